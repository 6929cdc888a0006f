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

// True when the main database already holds the schema (SQLite: its file exists).
bool schemaInstalled(const Settings& settings);

// Creates what is missing (SQLite files, PostgreSQL schemas) and runs the scripts in order, each in one
// transaction; server-made key sequences are moved past the seeded keys.
void installSchema(const Settings& settings, const QList<Script>& scripts);

}  // namespace db
