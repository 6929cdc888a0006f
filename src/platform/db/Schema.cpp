#include "platform/db/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace db {

namespace {

const char* kInstallConnection = "nurv_install";

// fold(): the same table db::fold() folds with, then lower case for the rest.
QString pgFold() {
    const FoldTable& table = foldTable();
    return QStringLiteral("create or replace function public.fold(text) returns text language sql immutable strict "
                          "parallel safe as $$ select lower(translate($1, '%1', '%2')) $$")
        .arg(table.from, table.to);
}

// The name columns that prefix searches filter, indexed for `fold(nome) like :prefix`.
const char* const kFoldedNameIndexes[][2] = {
    {"tipo_procedimento", "nome"},
    {"atendimento_status", "nome"},
    {"medicamento", "nome"},
};

QStringList foldedNameIndexes() {
    QStringList statements;
    for (const auto& [table, column] : kFoldedNameIndexes)
        statements << QStringLiteral("create index if not exists ix_%1_fold_%2 on public.%1 (fold(%2) text_pattern_ops)")
                          .arg(QLatin1String(table), QLatin1String(column));
    return statements;
}

void execAll(QSqlDatabase& database, const QStringList& statements) {
    QSqlQuery q(database);
    for (const QString& s : statements) {
        if (!q.exec(s))
            throw Error(QStringLiteral("%1\n%2").arg(q.lastError().text(), s.left(200)));
    }
}

void runInTransaction(QSqlDatabase& database, const QStringList& statements) {
    if (!database.transaction())
        throw Error(database.lastError().text());
    try {
        execAll(database, statements);
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        throw Error(database.lastError().text());
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

void installSqlite(const Settings& s, const QList<Script>& scripts) {
    QDir().mkpath(s.directory);
    for (Target t : {Target::Main, Target::Padrao, Target::Kelvo}) {
        const QString name = QString::fromLatin1(kInstallConnection) + schemaName(t);
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            database.setDatabaseName(sqliteFile(s, connectionOf(t)));
            if (!database.open())
                throw Error(database.lastError().text());
            for (const Script& script : scripts) {
                if (script.target == t)
                    runInTransaction(database, splitStatements(script.sql, Engine::SQLite));
            }
            database.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

void installPostgres(const Settings& s, const QList<Script>& scripts) {
    const QString name = QString::fromLatin1(kInstallConnection);
    {
        QSqlDatabase database = addPostgres(s, name);
        if (!database.open())
            throw Error(database.lastError().text());
        execAll(database, {QStringLiteral("set client_min_messages to warning"),
                           QStringLiteral("create schema if not exists padrao"),
                           QStringLiteral("create schema if not exists zzoo01"), pgFold()});
        for (const Script& script : scripts) {
            QStringList statements{QStringLiteral("set local search_path to %1, public").arg(schemaName(script.target))};
            statements += splitStatements(script.sql, Engine::PostgreSQL);
            runInTransaction(database, statements);
        }
        // Keys that the server makes continue after the highest key written by the scripts.
        QSqlQuery q(database);
        if (!q.exec(QStringLiteral("select table_schema, table_name, column_name from information_schema.columns "
                                   "where is_identity = 'YES' and table_schema in ('public', 'padrao', 'zzoo01')")))
            throw Error(q.lastError().text());
        QStringList resets;
        while (q.next()) {
            const QString table = q.value(0).toString() + QLatin1Char('.') + q.value(1).toString();
            const QString column = q.value(2).toString();
            resets << QStringLiteral("select setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%2), 0) + 1, false) "
                                     "from %1")
                          .arg(table, column);
        }
        execAll(database, resets);
        execAll(database, foldedNameIndexes());
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

QStringList splitStatements(const QString& sql, Engine engine) {
    const QString key = engine == Engine::SQLite ? QStringLiteral("integer primary key autoincrement")
                                                 : QStringLiteral("integer generated by default as identity primary key");
    QStringList out;
    QString current;
    const QStringList lines = sql.split(QLatin1Char('\n'));
    for (QString line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--")))
            continue;
        line.replace(QStringLiteral("@AUTOKEY@"), key);
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current += line.left(line.lastIndexOf(QLatin1Char(';')));
            if (!current.trimmed().isEmpty())
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

bool schemaInstalled(const Settings& s) {
    if (s.engine == Engine::SQLite)
        return QFileInfo::exists(sqliteFile(s, kMain));
    bool installed = false;
    const QString name = QString::fromLatin1(kInstallConnection) + QStringLiteral("_check");
    {
        QSqlDatabase database = addPostgres(s, name);
        if (!database.open())
            throw Error(database.lastError().text());
        QSqlQuery q(database);
        if (q.exec(QStringLiteral("select 1 from information_schema.tables where table_schema = 'public' "
                                  "and table_name = 'unidade_trabalho'")) &&
            q.next())
            installed = true;
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return installed;
}

void installSchema(const Settings& settings, const QList<Script>& scripts) {
    if (settings.engine == Engine::SQLite)
        installSqlite(settings, scripts);
    else
        installPostgres(settings, scripts);
}

}  // namespace db
