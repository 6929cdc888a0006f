// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the forms registry (table form): the register's insert and modify.

#include <QString>

namespace formregistrysql {

// The register's update statements, over the fields of its data set (":OLD_" the key as read).
QString insertSql();
QString modifySql();

}  // namespace formregistrysql
