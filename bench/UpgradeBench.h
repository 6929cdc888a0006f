// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenarios of the start: the first one after an update that brings the search indexes to 200,000 owners (the
// login shown, against the same indexes built plainly; when its progress showed; how it compares with a start
// with nothing missing), and a start beside another workstation's open write transaction, against one without it.

bool firstStartUpgradeScenario();
bool startBesideAWriterScenario();
