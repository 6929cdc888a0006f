#pragma once
// Scenarios of the owner and animal registry: the advanced search against the sqlite3 shell, and its
// dBase export against a plain shapelib loop.

bool advancedSearchScenario();
bool dbaseExportScenario();
