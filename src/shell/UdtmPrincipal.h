#pragma once
// The data module: fixes the formats, finds the installation's settings and opens the three connections.

#include "platform/db/Database.h"

#include <QString>

// The settings file: $NURV_CONFIG when set, else nurv.conf in the user's configuration folder.
QString configurationPath();

// The databases the settings file selects; without a file, the embedded default in the user's data folder.
db::Settings readSettings(const QString& path);

class TdtmPrincipal {
public:
    // DataModuleCreate: formats, then the connections in order. A connection that fails shows the
    // warning and ends the process; nothing is written.
    TdtmPrincipal();
    ~TdtmPrincipal();
};

// Creates the embedded default (schema, seed rows) when the SQLite settings point at no database yet;
// a new PostgreSQL database gets the schema only.
void ensureEmbeddedDefault(const db::Settings& settings);
