// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table the program writes, described once: its name, its key and how a new row's key is made, the columns
// its writes set and its audit columns. Its insert is generated from the description, every value bound, and
// stamped() alone fills its audit columns; EditedRow.h generates its guarded update and delete.

#include "platform/db/Query.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariantHash>

namespace db {

// Values of a row by column; names are matched in lower case, as statement parameters are.
using RowValues = QVariantHash;
// The same values under their names in lower case.
RowValues lowered(const RowValues& values);

// How a new row gets its key.
enum class NewKey {
    Server,  // the server makes it: the insert leaves it out and reads it back ("returning")
    Client,  // the highest plus one, read by db::nextKey() inside the saving transaction
    Given,   // the row's own values hold it (a row keyed by the rows it links, the one row of a table)
};

// The audit columns a table has.
enum class Audit {
    None,
    Inserted,  // Inserido_Por and Inserido_Em
    Full,      // those, Modificado_Por and Modificado_Em
};

inline const QString kInseridoPor = QStringLiteral("Inserido_Por");
inline const QString kInseridoEm = QStringLiteral("Inserido_Em");
inline const QString kModificadoPor = QStringLiteral("Modificado_Por");
inline const QString kModificadoEm = QStringLiteral("Modificado_Em");

struct Table {
    QString name{};     // as the statements spell it
    QStringList key{};  // its column, or the columns that find a row together
    NewKey newKey = NewKey::Given;
    QStringList columns{};     // written by the insert and by an update of the whole row, in this order
    QStringList insertOnly{};  // written by the insert alone: what a new row starts with (its status, its owner)
    Audit audit = Audit::Full;
    bool updatesKey = false;  // an update of the whole row writes the key too, finding the row by the key read

    const QString& keyColumn() const { return key.first(); }
};

// The audit columns of the table, in the statements' order.
QStringList auditColumns(const Table& table);

// Who writes, and when: what the audit columns take. Without a time the write takes the server's time itself,
// each statement its own.
struct Stamp {
    QVariant by{};
    QDateTime at{};
};

enum class Write { Insert, Update };

// `values` (names lower-cased) with the stamp in the audit columns the write fills, where the table has them: an
// insert's Inserido_Por and Inserido_Em, an update's Modificado_Por and Modificado_Em.
RowValues stamped(const Table& table, const RowValues& values, Write write, const Stamp& stamp);

// A statement and the values it binds, by lower-case name; each column written is bound under its own name.
struct Statement {
    QString sql;
    QVariantHash params;
};

// "insert into <table> (<key>, <columns>, <insertOnly>, <audit columns>) values (:<key>, ...)", each column
// taking its value in `values` (null when absent). A key the server makes is left out and read back
// ("returning <key>").
Statement insertStatement(const Table& table, const RowValues& values);

}  // namespace db
