// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenarios of the owner and animal registry: the advanced search against Qt's own model over the same statement,
// and its dBase export against a plain shapelib loop.

bool advancedSearchScenario();
bool dbaseExportScenario();
