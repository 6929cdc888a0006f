// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engines a scenario runs on and the PostgreSQL server of NURV_BENCH_PG, where the bench makes and drops
// databases of its own.

#include "platform/db/Database.h"

#include <QList>
#include <QString>

// SQLite, then PostgreSQL where NURV_BENCH_PG names a server.
QList<db::Engine> benchEngines();
const char* engineName(db::Engine engine);

// libpq's "key=value" words of NURV_BENCH_PG (host, port, user, password); the bench makes its own database.
db::Settings postgresSettings(const QString& database);

// A statement on the server's "postgres" database (making and dropping the bench's own).
void adminExec(const QString& sql);
