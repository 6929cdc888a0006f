// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one guarded way to write a row a user edited: the update or delete of the row by its key stands only
// while the row still holds what was read, its Modificado_Em and every column the write sets, so that another
// workstation's change, even one made within the same second, is never overwritten. A write that finds no
// such row throws kRegistroAlterado.

#include "platform/db/Database.h"

#include <QStringList>
#include <QVariantHash>

namespace db {

class DataSet;
class RowSet;

// Values of a row by column; names are matched in lower case, as statement parameters are.
using RowValues = QVariantHash;

// A data set's current row with what is being typed, and the same row as it was read (empty for a new row).
RowValues typedValues(const DataSet& data);
RowValues readValues(const DataSet& data);
// A row of a result by column.
RowValues rowValues(const RowSet& rows, int row);

// A row a user edited: the table and key, the columns a write sets, their values typed and as read.
struct EditedRow {
    QString table;
    QString keyColumn;
    QVariant key;
    QStringList columns;  // set by an update, in this order
    RowValues typed;      // the values written, by column
    RowValues read;       // the row as read, by column: Modificado_Em and each written column found here is compared
};

// Writes the row back: "update <table> set <columns> where <key> = ..." with the guard.
void updateRow(const EditedRow& row, const QString& connection = kMain);
// Deletes the row by its key with the guard over Modificado_Em and the columns (typed values unused).
void deleteRow(const EditedRow& row, const QString& connection = kMain);

// Runs a hand-written update or delete of one edited row (found by its own where clause) with the guard over
// `read`, the row as read by column: Modificado_Em, the columns the statement sets from a parameter and each
// of `alsoCompared`. Throws kRegistroAlterado when it touches no row.
void runGuarded(const QString& sql, QVariantHash params, const RowValues& read, const QStringList& alsoCompared = {},
                const QString& connection = kMain);

// The rows of a list that a form shows and rewrites whole (a professional's working hours, a profile's rights):
// every row of `table` that `condition` selects, every column, as stored now.
QList<RowValues> readRows(const QString& table, const QString& condition, const QVariantHash& params,
                          const QString& connection = kMain);
// Deletes those rows as they were read (`read`, from readRows()), each found by its `keyColumns`: every row must
// still hold every value read, and no other row may meet the condition (one added meanwhile); else
// kRegistroAlterado, and the caller's transaction takes back what was deleted.
void deleteRowsAsRead(const QString& table, const QStringList& keyColumns, const QString& condition,
                      const QVariantHash& params, const QList<RowValues>& read, const QString& connection = kMain);

// "update <table> set c = :c, ... where <key> = :OLD_<key>": the modify statement of a data set's row.
QString modifySql(const QString& table, const QStringList& columns, const QString& keyColumn);

// The columns an update statement sets from a parameter ("c = :p"), with the parameter's name.
struct Assignment {
    QString column, param;
};
QList<Assignment> assignments(const QString& updateSql);

// An update or delete of one row with the guard added to its where clause: Modificado_Em, each column it sets
// from a parameter and each of `alsoCompared` must still hold the value read, given in `params` as
// old_<parameter> (a column without an old value is not compared). Values are compared as "is not distinct
// from"; a date-time read to the millisecond matches the finer fractions another system may have stored, which
// the reading cut. The guard's own values are added to `params`.
QString guarded(const QString& sql, QVariantHash& params, const QStringList& alsoCompared = {});

}  // namespace db
