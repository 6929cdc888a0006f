// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work units' statements: the consult's select and REL025's query.

#include "platform/db/Query.h"

#include <QString>

namespace unidadesql {

// Every unit's code and name, for the consult.
QString consultSql();

// REL025: every unit with its description and status.
void prepareReport(db::Query& q);

}  // namespace unidadesql
