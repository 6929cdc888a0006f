// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenarios of the owner and animal registry: the advanced search against Qt's own model over the same statement,
// its dBase export of rows in memory and of every animal read from the database, against plain shapelib loops.

bool advancedSearchScenario();
bool dbaseExportScenario();
bool exportAllAnimalsScenario();
