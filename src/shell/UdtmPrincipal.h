// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data module: fixes the formats, finds the installation's settings and opens the three connections.

#include "common/Configuration.h"
#include "platform/db/Database.h"

#include <QString>

// The embedded default: the SQLite files in the user's data folder.
db::Settings embeddedDefaultSettings();

// The databases the settings file at `path` selects. A file that cannot be read or parsed, lacks
// [database], names an unknown engine or a SQLite folder without its main database throws db::Error
// naming the file and the key.
db::Settings readSettings(const QString& path);

// Without a settings file at `path` (nothing there, settingsFilePresent()), the embedded default with its missing files made; else what the file
// selects, never created (a new PostgreSQL database only gets the schema).
db::Settings prepareDatabases(const QString& path);

// Throws db::Error naming the file (SQLite) or the database and schema (PostgreSQL) when an open
// connection lacks the first table the system reads there: an empty file, another program's database.
void checkSystemTables(const db::Settings& settings);

class TdtmPrincipal {
public:
    // DataModuleCreate: formats, then the connections in order, then the upgrade of the database to this
    // version (upgradeAtStart()). A connection that fails, a database that is not the system's, or settings
    // that cannot be used, show the warning and end the process (the reason goes to the standard error
    // stream); nothing is written.
    TdtmPrincipal();
    ~TdtmPrincipal();
};

// Creates the files of the embedded default that are missing (schema, seed rows); existing ones are kept.
void ensureEmbeddedDefault(const db::Settings& settings);
