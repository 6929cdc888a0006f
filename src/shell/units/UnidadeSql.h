// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work units' statements: the register's insert and modify, the consult's select and REL025's query.

#include "platform/db/Query.h"

#include <QString>

namespace unidadesql {

// The register's update statements, over the fields of its data set (":OLD_" the key as read).
QString insertSql();
QString modifySql();

// Every unit's code and name, for the consult.
QString consultSql();

// REL025: every unit with its description and status.
void prepareReport(db::Query& q);

}  // namespace unidadesql
