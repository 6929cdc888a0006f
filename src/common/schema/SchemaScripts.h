// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/db/Schema.h"
#include "platform/db/Upgrade.h"

// The DDL of the three databases, and the seed rows of the embedded default when `seed` is set.
QList<db::Script> schemaScripts(bool seed);

// The numbered steps of db/upgrade, in order, for db::upgradeSchema() at every start.
QList<db::UpgradeStep> upgradeSteps();

// Rows of semana_epidemiologica for the years first..last (weeks Sunday to Saturday; week 1 is the week
// that holds 4 January), as a script for the main database.
QString epidemiologicalWeeksScript(int firstYear, int lastYear);
