// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Installs a new database: the DDL scripts of the main database and of the two read-only ones, and seed
// rows where asked. "@AUTOKEY@" in a script stands for an integer key that the server makes.

#include "platform/db/Database.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace db {

enum class Target { Main, Padrao, Kelvo };

struct Script {
    Target target;
    QString sql;
};

// The statements of a script: split at a ";" that ends a line, comment lines dropped, the key token put
// in the engine's words.
QStringList splitStatements(const QString& sql, Engine engine);

// True when the main database already holds a schema (SQLite: its file exists; PostgreSQL: a table in public).
bool schemaInstalled(const Settings& settings);

// Reads nothing from `table` on `connection`; throws the engine's error when the table is not there or the
// file is no database at all.
void probeTable(const QString& connection, const QString& table);

// SQLite: builds each of the three files that is missing, and only those, under a temporary name beside it
// (the file name plus ".part", private to the user): the scripts in order, each in one transaction, then the
// completion mark (user_version 1) in a transaction of its own; only then is it moved to its name. A file
// that exists is never removed or overwritten (one made before the mark existed opens as it is); a leftover
// temporary file is finished when it carries the mark, else built anew. A folder made here is private;
// two installs into one folder take turns.
// PostgreSQL: the schemas and every script in one transaction; server-made key sequences are moved past the
// seeded keys.
void installSchema(const Settings& settings, const QList<Script>& scripts);

}  // namespace db
