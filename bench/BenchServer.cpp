// SPDX-License-Identifier: GPL-3.0-or-later
// The engines of the bench and its PostgreSQL server.
#include "BenchServer.h"

#include <QSqlError>
#include <QSqlQuery>

QList<db::Engine> benchEngines() {
    if (qEnvironmentVariableIsEmpty("NURV_BENCH_PG"))
        return {db::Engine::SQLite};
    return {db::Engine::SQLite, db::Engine::PostgreSQL};
}

const char* engineName(db::Engine engine) { return engine == db::Engine::SQLite ? "SQLite" : "PostgreSQL"; }

db::Settings postgresSettings(const QString& database) {
    db::Settings s;
    s.engine = db::Engine::PostgreSQL;
    s.host = QStringLiteral("/var/run/postgresql");
    s.user = QStringLiteral("postgres");
    s.database = database;
    for (const QString& word : qEnvironmentVariable("NURV_BENCH_PG").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0), value = word.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host"))
            s.host = value;
        else if (key == QLatin1String("port"))
            s.port = value.toInt();
        else if (key == QLatin1String("user"))
            s.user = value;
        else if (key == QLatin1String("password"))
            s.password = value;
    }
    return s;
}

void adminExec(const QString& sql) {
    const QString name = QStringLiteral("nurv_bench_admin");
    {
        QSqlDatabase admin = db::addPostgres(postgresSettings(QStringLiteral("postgres")), name);
        if (!admin.open() || !QSqlQuery(admin).exec(sql))
            throw db::Error(admin.lastError().text());
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
}
