// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements every register shares, built from its table and key: the selects of the register and of
// its search dialogs, the order of a re-sort, and the look-up of the rows that block a delete.

#include "platform/db/DataSet.h"

#include <QString>
#include <QVariant>

namespace registersql {

// `sql` with its order clause replaced: the text from the first word "order" on is dropped and
// "order by <field>" appended. The field comes from the code (a grid's column list), never from typing.
QString withOrderBy(const QString& sql, const QString& field);

QString selectAll(const QString& table);   // "select * from <table> "
QString selectNone(const QString& table);  // the same " where 1=2 "
// Opens `data` on exactly the row of `key`.
void selectKey(db::DataSet& data, const QString& table, const QString& keyField, const QVariant& key);

// Whether a row of `table` holds `key` in `column`.
bool isReferenced(const QString& table, const QString& column, const QVariant& key);

// Adds to `select` the filter of a search dialog's choice: the code typed (a text that is no whole number
// finds nothing) or the names that begin with the text, ignoring case and accents, in key order. Both
// travel as parameters.
void addCodeOrNameFilter(db::Query& select, bool byCode, const QString& text, const QString& keyColumn,
                         const QString& nameColumn = QStringLiteral("nome"));

}  // namespace registersql
