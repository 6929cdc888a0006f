// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writes of a described table's rows. A new row is inserted with its key made as the description says and
// its audit columns stamped. The update or delete of a row a user read stands only while the row still holds
// what was read, its Modificado_Em and every column the write sets, so that another workstation's change, even
// one made within the same second, is never overwritten: a write that finds no such row throws kRegistroAlterado.

#include "platform/db/Table.h"

#include <QList>
#include <optional>

namespace db {

// A row of a result by column.
RowValues rowValues(const RowSet& rows, int row);

// A row a user read and now writes back or deletes.
struct EditedRow {
    Table table{};
    QVariant key{};                // the key as read; a key of several columns is taken from `read`
    QStringList columns{};         // what an update sets; none: the table's columns and its audit columns
    RowValues typed{};             // the values written, by column
    RowValues read{};              // the row as read, by column
    std::optional<Stamp> stamp{};  // an update's Modificado_Por and Modificado_Em; none: as typed
    QStringList alsoCompared{};    // compared besides Modificado_Em and the columns the update sets
    Condition condition{};         // the statement's own condition, beside the key and the guard
};

// "update <table> set <column> = :<column>, ... where <key> = :old_<key> and (<condition>) and (<guard>)". The
// guard: Modificado_Em, each column set and each of `alsoCompared` still hold the value `read` has for them
// ("is not distinct from"; a column `read` lacks is not compared). A date-time read to the millisecond matches
// the finer fractions another system may have stored, which the reading cut. Without a time the stamp takes the
// server's.
Statement updateStatement(const EditedRow& row);
// "delete from <table> where <key> = :old_<key> and (<condition>) and (<guard>)", the guard over Modificado_Em,
// the table's columns, its audit columns and `alsoCompared` (typed values and stamp unused).
Statement deleteStatement(const EditedRow& row);

// Inside the saving transaction: inserts the row of `values` by column, stamped when a stamp is given, and
// answers its key (the first column of a key of several). The server's key is read back; a client's key is the
// next one (db::insertWithNewKey()) unless `values` hold one already; a given key is taken from `values`.
int insertRow(const Table& table, const RowValues& values, const std::optional<Stamp>& stamp = std::nullopt);
// The update and the delete of updateStatement() and deleteStatement(); kRegistroAlterado when they touch no row.
void updateRow(const EditedRow& row);
void deleteRow(const EditedRow& row);

// The rows of a list that a form shows and rewrites whole (a professional's working hours, a profile's rights):
// every row of `table` that `condition` selects, every column, as stored now.
QList<RowValues> readRows(const Table& table, const QString& condition, const QVariantHash& params);
// Deletes those rows as they were read (`read`, from readRows()), each found by the table's key: every row must
// still hold every value read, and no other row may meet the condition (one added meanwhile); else
// kRegistroAlterado, and the caller's transaction takes back what was deleted.
void deleteRowsAsRead(const Table& table, const QString& condition, const QVariantHash& params,
                      const QList<RowValues>& read);

}  // namespace db
