// SPDX-License-Identifier: GPL-3.0-or-later
// Installs a new database: SQLite files built aside and moved into place whole, PostgreSQL in one transaction.
#include "platform/db/Schema.h"

#include "platform/db/Query.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>

namespace db {

namespace {

const char* kInstallConnection = "nurv_install";

void execAll(QSqlDatabase& database, const QStringList& statements) {
    QSqlQuery q(database);
    for (const QString& s : statements) {
        if (!q.exec(s))
            throw Error(QStringLiteral("%1\n%2").arg(q.lastError().text(), s.left(200)));
    }
}

// Runs `work` in one transaction, rolled back when it throws.
template <typename Work>
void inTransaction(QSqlDatabase& database, Work work) {
    if (!database.transaction())
        throw Error(database.lastError().text());
    try {
        work();
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        throw Error(database.lastError().text());
}

void runInTransaction(QSqlDatabase& database, const QStringList& statements) {
    inTransaction(database, [&] { execAll(database, statements); });
}

QString schemaName(Target t) {
    switch (t) {
    case Target::Padrao: return QStringLiteral("padrao");
    case Target::Kelvo: return QStringLiteral("zzoo01");
    case Target::Main: break;
    }
    return QStringLiteral("public");
}

QString connectionOf(Target t) {
    switch (t) {
    case Target::Padrao: return kPadrao;
    case Target::Kelvo: return kKelvo;
    case Target::Main: break;
    }
    return kMain;
}

// A SQLite connection of its own on one file, closed and removed when the work is done.
template <typename Work>
void withSqliteFile(const QString& file, const QString& name, Work work) {
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        try {
            if (!database.open())
                throw Error(database.lastError().text());
            work(database);
        } catch (...) {
            database.close();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// A connection of its own is removed when the work on it ends, also when the work fails.
struct Dropped {
    QString name;
    ~Dropped() { QSqlDatabase::removeDatabase(name); }
};

const int kCompleteMark = 1;
const QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

bool carriesMark(const QString& file) {
    bool complete = false;
    try {
        withSqliteFile(file, QString::fromLatin1(kInstallConnection) + QStringLiteral("_mark"), [&](QSqlDatabase& d) {
            QSqlQuery q(d);
            complete = q.exec(QStringLiteral("pragma user_version")) && q.next() && q.value(0).toInt() == kCompleteMark;
        });
    } catch (const Error&) {
        // A part that cannot be read as a database carries no mark: it is built again.
    }
    return complete;
}

void makePrivateFolder(const QString& directory) {
    const QFileInfo info(directory);
    if (info.isDir())
        return;
    QDir().mkpath(info.absolutePath());
    if (!QDir().mkdir(info.absoluteFilePath(), kPrivateFile | QFile::ExeOwner) && !QFileInfo(directory).isDir())
        throw Error(QStringLiteral("Não foi possível criar a pasta %1").arg(directory));
}

// Builds `part` from nothing: an empty private file first, so the data never sits in a readable one.
void buildPart(const QString& part, Target t, const QList<Script>& scripts) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        const QString leftover = part + QLatin1String(suffix);
        if (QFileInfo::exists(leftover) && !QFile::remove(leftover))
            throw Error(QStringLiteral("Não foi possível remover %1").arg(leftover));
    }
    {
        QFile file(part);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile))
            throw Error(QStringLiteral("%1: %2").arg(part, file.errorString()));
    }
    withSqliteFile(part, QString::fromLatin1(kInstallConnection) + schemaName(t), [&](QSqlDatabase& d) {
        for (const Script& script : scripts) {
            if (script.target == t)
                runInTransaction(d, splitStatements(script.sql, Engine::SQLite));
        }
        runInTransaction(d, {QStringLiteral("pragma user_version = %1").arg(kCompleteMark)});
    });
}

void installSqlite(const Settings& s, const QList<Script>& scripts) {
    makePrivateFolder(s.directory);
    // Two first starts at once must not build into each other's temporary file; the lock of a start that
    // was killed is taken over.
    QLockFile lock(sqliteFile(s, kMain) + QStringLiteral(".lock"));
    if (!lock.lock())
        throw Error(QStringLiteral("Não foi possível bloquear %1").arg(s.directory));
    for (Target t : {Target::Main, Target::Padrao, Target::Kelvo}) {
        const QString file = sqliteFile(s, connectionOf(t));
        if (QFileInfo::exists(file))
            continue;
        const QString part = file + QStringLiteral(".part");
        if (!QFileInfo::exists(part) || !carriesMark(part))
            buildPart(part, t, scripts);
        // The move never replaces a file: one that appeared meanwhile is kept and the built one dropped.
        if (!QFile::rename(part, file)) {
            if (!QFileInfo::exists(file))
                throw Error(QStringLiteral("Não foi possível criar %1").arg(file));
            QFile::remove(part);
        }
    }
}

void installPostgres(const Settings& s, const QList<Script>& scripts) {
    const QString name = QString::fromLatin1(kInstallConnection);
    const Dropped dropped{name};
    {
        QSqlDatabase database = addPostgres(s, name);
        if (!database.open())
            throw Error(database.lastError().text());
        requireUtf8(database);  // a database in another encoding is refused before anything is made in it
        QStringList statements{QStringLiteral("set client_min_messages to warning"),
                               QStringLiteral("create schema if not exists padrao"),
                               QStringLiteral("create schema if not exists zzoo01")};
        statements += postgresFoldFunctions();
        for (const Script& script : scripts) {
            statements << QStringLiteral("set local search_path to %1, public").arg(schemaName(script.target));
            statements += splitStatements(script.sql, Engine::PostgreSQL);
        }
        statements << QStringLiteral("set local search_path to public");
        // All or nothing: a start killed half-way leaves the database as new as it was.
        inTransaction(database, [&] {
            execAll(database, statements);
            // Keys that the server makes continue after the highest key written by the scripts.
            QSqlQuery q(database);
            if (!q.exec(QStringLiteral(R"(
                select table_schema, table_name, column_name
                from information_schema.columns
                where is_identity = 'YES'
                  and table_schema in ('public', 'padrao', 'zzoo01')
            )")))
                throw Error(q.lastError().text());
            QStringList resets;
            while (q.next()) {
                const QString table = q.value(0).toString() + QLatin1Char('.') + q.value(1).toString();
                const QString column = q.value(2).toString();
                resets << QStringLiteral(
                              R"(
                                  select setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%2), 0) + 1, false)
                                  from %1
                              )")
                              .arg(table, column);
            }
            execAll(database, resets);
        });
        database.close();
    }
}

}  // namespace

QStringList splitStatements(const QString& sql, Engine engine) {
    const QString pattern = engine == Engine::SQLite ? QString() : QStringLiteral(" text_pattern_ops");
    const QString onlyServer = QStringLiteral("@POSTGRESQL@");
    const QString onlyFile = QStringLiteral("@SQLITE@");
    const QString key = engine == Engine::SQLite
                            ? QStringLiteral("integer primary key autoincrement")
                            : QStringLiteral("integer generated by default as identity primary key");
    QStringList out;
    QString current;
    const QStringList lines = sql.split(QLatin1Char('\n'));
    for (QString line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--")))
            continue;
        line.replace(QStringLiteral("@AUTOKEY@"), key);
        line.replace(QStringLiteral(" @PATTERN@"), pattern);
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current += line.left(line.lastIndexOf(QLatin1Char(';')));
            const bool serverOnly = current.contains(onlyServer);
            const bool fileOnly = current.contains(onlyFile);
            current.remove(onlyServer);
            current.remove(onlyFile);
            if (!current.trimmed().isEmpty() && (!serverOnly || engine == Engine::PostgreSQL) &&
                (!fileOnly || engine == Engine::SQLite))
                out << current.trimmed();
            current.clear();
        } else {
            current += line + QLatin1Char('\n');
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

void probeTable(const QString& connection, const QString& table) {
    // A name, never a value: the callers pass the tables they know.
    run(connection, QStringLiteral("select 1 from %1 where 1=2").arg(table), {});
}

bool schemaInstalled(const Settings& s) {
    if (s.engine == Engine::SQLite)
        return QFileInfo::exists(sqliteFile(s, kMain));
    bool installed = false;
    const QString name = QString::fromLatin1(kInstallConnection) + QStringLiteral("_check");
    const Dropped dropped{name};
    {
        QSqlDatabase database = addPostgres(s, name);
        if (!database.open())
            throw Error(database.lastError().text());
        QSqlQuery q(database);
        if (q.exec(QStringLiteral("select 1 from information_schema.tables where table_schema = 'public' limit 1")) &&
            q.next())
            installed = true;
        database.close();
    }
    return installed;
}

void installSchema(const Settings& settings, const QList<Script>& scripts) {
    if (settings.engine == Engine::SQLite)
        installSqlite(settings, scripts);
    else
        installPostgres(settings, scripts);
}

}  // namespace db
