// SPDX-License-Identifier: GPL-3.0-or-later
// The upgrade of a live database: the version row read first, then under one lock the numbered steps, fold()'s
// indexes and the statistics of what was indexed, in short transactions.
#include "platform/db/Upgrade.h"

#include "platform/db/Schema.h"

#include <sqlite3.h>
#include <QDebug>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <optional>

namespace db {

namespace {

// The advisory lock that serialises the changes of the schema on a PostgreSQL server.
constexpr qint64 kSchemaLock = 7305001;
const QString kParts = QStringLiteral("@PARTS@");

// Raised each time an upgrade ends: what is known of the full-text tables is read again.
std::atomic<quint64> g_upgrades{0};

// A statement the server refused, and why.
class Refused : public Error {
public:
    Refused(const Error& error, UpgradeRefusal why) : Error(error.text(), error.kind()), why(why) {}
    UpgradeRefusal why;
};

UpgradeRefusal refusalOf(const QSqlError& error, const Error& told) {
    const QString code = error.nativeErrorCode().trimmed();
    if (code == QLatin1String("42501") || error.databaseText().contains(QLatin1String("must be owner")))
        return UpgradeRefusal::Privilege;
    if (told.text() == kBancoSomenteLeitura || (code.size() < 5 && (code.toInt() & 0xff) == SQLITE_CANTOPEN))
        return UpgradeRefusal::ReadOnly;
    if (told.text() == kBancoDiscoCheio)
        return UpgradeRefusal::DiskFull;
    if (told.kind() == Error::Kind::Busy)
        return UpgradeRefusal::Busy;
    return UpgradeRefusal::Other;
}

[[noreturn]] void refuse(const QSqlError& error, const QString& sql) {
    const Error told = failure(error);
    qWarning().noquote()
        << QStringLiteral("Atualização do banco de dados recusada: %1\n%2").arg(error.text(), sql.left(200));
    throw Refused(told, refusalOf(error, told));
}

// Runs `sql` with `values` bound on `database`; throws Refused.
QSqlQuery run(QSqlDatabase& database, const QString& sql, const QVariantHash& values = {}) {
    QSqlQuery q(database);
    bool ok = false;
    if (values.isEmpty()) {
        ok = q.exec(sql);
    } else if (q.prepare(sql)) {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            q.bindValue(QLatin1Char(':') + it.key(), it.value());
        ok = q.exec();
    }
    if (!ok)
        refuse(q.lastError(), sql);
    return q;
}

// The first column of the first row; nothing when there is no row.
std::optional<QVariant> firstValue(QSqlDatabase& database, const QString& sql, const QVariantHash& values = {}) {
    QSqlQuery q = run(database, sql, values);
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}

bool tableExists(QSqlDatabase& database, Engine engine, const QString& table) {
    const QString sql = engine == Engine::SQLite
                            ? QStringLiteral("select 1 from sqlite_master where type = 'table' and name = :t")
                            : QStringLiteral("select 1 from pg_tables where schemaname = 'public' and tablename = :t");
    return firstValue(database, sql, {{QStringLiteral("t"), table}}).has_value();
}

// The version row: the last step applied and the version of the fold() that the indexes over it were built with.
struct Version {
    int step = 0;
    QString fold;
};

Version readVersion(QSqlDatabase& database, Engine engine) {
    Version v;
    if (!tableExists(database, engine, QStringLiteral("nurv_versao")))
        return v;
    QSqlQuery q = run(database, QStringLiteral("select Passo, Versao_Fold from nurv_versao"));
    if (q.next()) {
        v.step = q.value(0).toInt();
        v.fold = q.value(1).toString();
    }
    return v;
}

PendingUpgrade pendingOf(const Version& v, const QList<UpgradeStep>& steps) {
    PendingUpgrade p;
    for (const UpgradeStep& step : steps) {
        if (step.number > v.step)
            p.steps << step;
    }
    p.fold = v.fold != foldVersion();
    return p;
}

// A connection of its own, closed and removed when the upgrade ends.
class OwnConnection {
public:
    explicit OwnConnection(const Settings& s) : engine(s.engine) {
        static std::atomic<int> made{0};
        m_name = QStringLiteral("nurv_upgrade_%1").arg(++made);
        if (s.engine == Engine::SQLite) {
            database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            database.setDatabaseName(sqliteFile(s, kMain));
            database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(s.busyTimeoutMs));
        } else {
            database = addPostgres(s, m_name);
        }
        if (!database.open()) {
            const QSqlError error = database.lastError();
            close();
            refuse(error, QString());
        }
        if (s.engine == Engine::SQLite)
            registerSqliteFunctions(database);
        else
            run(database, QStringLiteral("set client_min_messages to warning"));
    }
    ~OwnConnection() { close(); }
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    QSqlDatabase database;
    const Engine engine;

private:
    void close() {
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QString m_name;
};

// One upgrade at a time. SQLite: a lock file beside nurv.db, never taken for stale while its process lives.
// PostgreSQL: the advisory lock, tried again and again rather than waited for inside a statement: a session
// that waits holds a snapshot, and the concurrent index builds of the start that holds the lock would wait
// for it in turn.
class UpgradeLock {
public:
    UpgradeLock(OwnConnection& c, const Settings& s) : m_connection(c) {
        if (c.engine == Engine::SQLite) {
            m_file.emplace(upgradeLockFile(s));
            m_file->setStaleLockTime(0);
            if (!m_file->lock()) {
                const bool denied = m_file->error() == QLockFile::PermissionError;
                throw Refused(Error(QStringLiteral("Não foi possível bloquear %1").arg(m_file->fileName())),
                              denied ? UpgradeRefusal::ReadOnly : UpgradeRefusal::Other);
            }
            return;
        }
        const QString attempt = QStringLiteral("select pg_try_advisory_lock(%1)").arg(kSchemaLock);
        while (!firstValue(c.database, attempt).value_or(false).toBool())
            QThread::msleep(100);
    }
    ~UpgradeLock() {
        if (m_connection.engine == Engine::PostgreSQL && m_connection.database.isOpen())
            QSqlQuery(m_connection.database).exec(QStringLiteral("select pg_advisory_unlock(%1)").arg(kSchemaLock));
    }
    UpgradeLock(const UpgradeLock&) = delete;
    UpgradeLock& operator=(const UpgradeLock&) = delete;

private:
    OwnConnection& m_connection;
    std::optional<QLockFile> m_file;
};

// "create index if not exists <name> on [<schema>.]<table> ...": its name, schema and table.
const QRegularExpression& indexStatement() {
    static const QRegularExpression re(QStringLiteral("^create index if not exists (\\w+) on (?:(\\w+)\\.)?(\\w+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QString kDropIndex = QStringLiteral("drop index if exists ");

// The work of one upgrade on its connection, and the tables it indexed.
class Upgrader {
public:
    Upgrader(OwnConnection& c, const UpgradeProgress& progress) : m_c(c), m_progress(progress) {}

    void plan(qint64 units) { m_total += units; }

    QStringList statements(const UpgradeStep& step) const { return splitStatements(step.sql, m_c.engine); }

    void apply(const UpgradeStep& step) {
        for (const QString& statement : statements(step)) {
            const QRegularExpressionMatch index = indexStatement().match(statement);
            if (statement.contains(kParts))
                fillInParts(QString(statement).remove(kParts).trimmed());
            else if (index.hasMatch())
                buildIndex(statement, index.captured(1), index.captured(2), index.captured(3));
            else if (m_c.engine == Engine::PostgreSQL && statement.startsWith(kDropIndex, Qt::CaseInsensitive))
                run(m_c.database,
                    QStringLiteral("drop index concurrently if exists ") + statement.mid(kDropIndex.size()));
            else
                run(m_c.database, statement);
            advance();
        }
    }

    void record(const QString& column, const QVariant& value) {
        const QString sql = column == QLatin1String("Passo")
                                ? QStringLiteral("update nurv_versao set Passo = :v where Passo < :v")
                                : QStringLiteral("update nurv_versao set Versao_Fold = :v");
        run(m_c.database, sql, {{QStringLiteral("v"), value}});
    }

    // fold() as this version computes it: on PostgreSQL the functions replaced where they differ, and in either
    // case every index over it built again (concurrently on PostgreSQL). The full-text tables of SQLite hold
    // fold() of their texts: their steps are applied again by the caller.
    void rebuildFold(bool knownBefore) {
        if (m_c.engine == Engine::PostgreSQL) {
            const bool current = postgresFoldCurrent();
            if (current && !knownBefore)
                return;  // made before its version was kept, by the fold() of this version
            QSqlDatabase& d = m_c.database;
            if (!current) {
                run(d, QStringLiteral("begin"));
                try {
                    for (const QString& definition : postgresFoldFunctions())
                        run(d, definition);
                    run(d, QStringLiteral("commit"));
                } catch (...) {
                    QSqlQuery(d).exec(QStringLiteral("rollback"));
                    throw;
                }
            }
            // What an interrupted rebuild left behind.
            for (const auto& [name, table] : foldIndexes(false))
                run(d, QStringLiteral("drop index concurrently if exists ") + name);
        }
        const QList<QPair<QString, QString>> indexes = foldIndexes(true);
        plan(indexes.size());
        for (const auto& [name, table] : indexes) {
            run(m_c.database, (m_c.engine == Engine::PostgreSQL ? QStringLiteral("reindex index concurrently ")
                                                                : QStringLiteral("reindex ")) +
                                  name);
            m_indexed.insert(table);
            advance();
        }
    }

    // Statistics for the planner of every table that got an index and holds rows. SQLite reads a sample of each
    // index rather than all of it, as its own "pragma optimize" does: its analyze holds the write lock meanwhile.
    void analyze() {
        QStringList tables(m_indexed.cbegin(), m_indexed.cend());
        tables.sort();
        if (m_c.engine == Engine::SQLite && !tables.isEmpty())
            run(m_c.database, QStringLiteral("pragma analysis_limit = 1000"));
        for (const QString& table : tables) {
            if (firstValue(m_c.database, QStringLiteral("select 1 from %1 limit 1").arg(table)))
                run(m_c.database, QStringLiteral("analyze ") + table);
        }
        m_indexed.clear();
    }

    void finished() {
        if (m_progress)
            m_progress(m_total, m_total);
    }

private:
    void advance() {
        ++m_done;
        tick();
    }
    void tick() {
        if (m_progress)
            m_progress(std::min(m_done, m_total), m_total);
    }

    bool indexExists(const QString& schema, const QString& name, bool* valid) {
        const std::optional<QVariant> found =
            m_c.engine == Engine::SQLite
                ? firstValue(m_c.database,
                             QStringLiteral("select 1 from sqlite_master where type = 'index' and name = :n"),
                             {{QStringLiteral("n"), name}})
                : firstValue(m_c.database, QStringLiteral(R"(
                    select i.indisvalid
                    from pg_index i
                    join pg_class c on c.oid = i.indexrelid
                    join pg_namespace n on n.oid = c.relnamespace
                    where n.nspname = lower(:s)
                      and c.relname = lower(:n)
                )"),
                             {{QStringLiteral("s"), schema}, {QStringLiteral("n"), name}});
        *valid = found && (m_c.engine == Engine::SQLite || found->toBool());
        return found.has_value();
    }

    // On PostgreSQL concurrently, outside any transaction: other workstations keep writing the table meanwhile.
    void buildIndex(const QString& statement, const QString& name, QString schema, const QString& table) {
        if (schema.isEmpty())
            schema = m_c.engine == Engine::SQLite ? QStringLiteral("main") : QStringLiteral("public");
        bool valid = false;
        const bool exists = indexExists(schema, name, &valid);
        if (valid)
            return;
        QString sql = statement;
        if (m_c.engine == Engine::PostgreSQL) {
            if (exists)  // an interrupted build
                run(m_c.database, QStringLiteral("drop index concurrently if exists %1.%2").arg(schema, name));
            sql.replace(0, QStringLiteral("create index").size(), QStringLiteral("create index concurrently"));
        }
        run(m_c.database, sql);
        m_indexed.insert(QStringLiteral("%1.%2").arg(schema, table).toLower());
    }

    // A statement marked @PARTS@, a transaction per part (see UpgradeStep).
    void fillInParts(const QString& statement) {
        static const QRegularExpression shape(
            QStringLiteral("^insert into (\\w+).* limit (\\d+)$"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = shape.match(statement);
        if (!m.hasMatch())
            throw Refused(Error(QStringLiteral("Preenchimento sem tabela ou limite: %1").arg(statement.left(200))),
                          UpgradeRefusal::Other);
        const QString table = m.captured(1);
        const int limit = m.captured(2).toInt();
        const QVariantHash named{{QStringLiteral("t"), table}};
        QSqlDatabase& d = m_c.database;
        for (bool more = true; more;) {
            run(d, QStringLiteral("begin immediate"));
            try {
                const std::optional<QVariant> reached =
                    firstValue(d, QStringLiteral("select ate from nurv_preenchimento where tabela = :t"), named);
                more = reached.has_value();
                if (more) {
                    const QVariantHash from{{QStringLiteral("ate"), *reached}};
                    run(d, statement, from);
                    // What this part filled: the triggers add no row past the mark.
                    QSqlQuery filled = run(
                        d, QStringLiteral("select count(*), max(rowid) from %1 where rowid > :ate").arg(table), from);
                    filled.next();
                    // A part short of its limit reached the end: from here on the triggers keep every row.
                    more = filled.value(0).toInt() >= limit;
                    if (more)
                        run(d, QStringLiteral("update nurv_preenchimento set ate = :a where tabela = :t"),
                            {{QStringLiteral("a"), filled.value(1)}, {QStringLiteral("t"), table}});
                    else
                        run(d, QStringLiteral("delete from nurv_preenchimento where tabela = :t"), named);
                }
                run(d, QStringLiteral("commit"));
            } catch (...) {
                QSqlQuery(d).exec(QStringLiteral("rollback"));
                throw;
            }
            tick();
        }
    }

    bool postgresFoldCurrent() {
        QString bodies;
        for (const QString& definition : postgresFoldFunctions()) {
            const qsizetype open = definition.indexOf(QStringLiteral("$$")) + 2;
            bodies += definition.mid(open, definition.lastIndexOf(QStringLiteral("$$")) - open);
        }
        const QVariant found = firstValue(m_c.database, QStringLiteral(R"(
            select coalesce((select prosrc from pg_proc where oid = to_regprocedure('public.fold_table(text)')),
                '')
                || coalesce((select prosrc from pg_proc where oid = to_regprocedure('public.fold(text)')),
                '')
        )"))
                                   .value_or(QVariant());
        return found.toString() == bodies;
    }

    // The indexes over fold() with their tables, the valid ones or the invalid ones.
    QList<QPair<QString, QString>> foldIndexes(bool valid) {
        const QString sql = m_c.engine == Engine::SQLite ? QStringLiteral(
                                                               R"(
                                                                   select 'main.' || name, 'main.' || tbl_name
                                                                   from sqlite_master
                                                                   where type = 'index'
                                                                     and sql like '%fold(%'
                                                                   order by name
                                                               )")
                                                         : QStringLiteral(
                                                               R"(
                                                                   select n.nspname || '.' || c.relname,
                                                                       n.nspname || '.' || t.relname
                                                                   from pg_index i
                                                                   join pg_class c on c.oid = i.indexrelid
                                                                   join pg_class t on t.oid = i.indrelid
                                                                   join pg_namespace n on n.oid = c.relnamespace
                                                                   where n.nspname in ('public', 'padrao', 'zzoo01')
                                                                     and i.indisvalid = :v
                                                                     and pg_get_indexdef(i.indexrelid) like '%fold(%'
                                                                   order by 1
                                                               )");
        QSqlQuery q = run(m_c.database, sql,
                          m_c.engine == Engine::SQLite ? QVariantHash{} : QVariantHash{{QStringLiteral("v"), valid}});
        QList<QPair<QString, QString>> out;
        while (q.next())
            out.append({q.value(0).toString(), q.value(1).toString().toLower()});
        return out;
    }

    OwnConnection& m_c;
    const UpgradeProgress& m_progress;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QSet<QString> m_indexed;
};

bool fillsInParts(const UpgradeStep& step) { return step.sql.contains(kParts); }

void upgrade(OwnConnection& c, const Settings& s, const QList<UpgradeStep>& steps, const UpgradeProgress& progress,
             UpgradeOutcome& outcome) {
    PendingUpgrade pending = pendingOf(readVersion(c.database, c.engine), steps);
    if (pending.empty())
        return;
    outcome.missing = pending.steps;
    outcome.foldMissing = pending.fold;
    const UpgradeLock lock(c, s);
    if (!tableExists(c.database, c.engine, QStringLiteral("nurv_versao")))
        run(c.database, QStringLiteral("create table nurv_versao (Passo integer not null, Versao_Fold varchar(64))"));
    if (!firstValue(c.database, QStringLiteral("select 1 from nurv_versao")))
        run(c.database, QStringLiteral("insert into nurv_versao (Passo, Versao_Fold) values (0, null)"));
    // Another start may have done it all while this one waited.
    const Version version = readVersion(c.database, c.engine);
    pending = pendingOf(version, steps);
    outcome.missing = pending.steps;
    outcome.foldMissing = pending.fold;

    Upgrader upgrader(c, progress);
    // SQLite's full-text tables hold fold() of their texts: a new fold() fills them again.
    QList<UpgradeStep> refilled;
    if (pending.fold && c.engine == Engine::SQLite) {
        for (const UpgradeStep& step : steps) {
            if (step.number <= version.step && fillsInParts(step))
                refilled << step;
        }
    }
    for (const QList<UpgradeStep>& list : {refilled, pending.steps})
        for (const UpgradeStep& step : list)
            upgrader.plan(upgrader.statements(step).size());
    try {
        if (pending.fold) {
            upgrader.rebuildFold(!version.fold.isEmpty());
            for (const UpgradeStep& step : std::as_const(refilled))
                upgrader.apply(step);
            upgrader.record(QStringLiteral("Versao_Fold"), foldVersion());
            outcome.foldMissing = false;
        }
        for (const UpgradeStep& step : std::as_const(pending.steps)) {
            upgrader.apply(step);
            upgrader.record(QStringLiteral("Passo"), step.number);
            outcome.missing.removeFirst();
        }
    } catch (const Refused&) {
        // What was indexed before the refusal serves the planner all the same.
        try {
            upgrader.analyze();
        } catch (const Refused&) {
        }
        throw;
    }
    upgrader.analyze();
    upgrader.finished();
}

}  // namespace

PendingUpgrade pendingUpgrade(const QList<UpgradeStep>& steps) {
    QSqlDatabase main = connection(kMain);
    return pendingOf(readVersion(main, engine()), steps);
}

UpgradeOutcome upgradeSchema(const Settings& settings, const QList<UpgradeStep>& steps,
                             const UpgradeProgress& progress) {
    UpgradeOutcome outcome;
    try {
        OwnConnection c(settings);
        upgrade(c, settings, steps, progress, outcome);
    } catch (const Refused& r) {
        outcome.refusal = r.why;
        outcome.reason = r.why == UpgradeRefusal::Privilege ? kSemPermissaoNasTabelas : r.text();
    } catch (const Error& e) {
        qWarning().noquote() << QStringLiteral("Atualização do banco de dados recusada: %1").arg(e.text());
        outcome.refusal = UpgradeRefusal::Other;
        outcome.reason = e.text();
    }
    ++g_upgrades;
    return outcome;
}

UpgradeOutcome upgradeSchema(const QList<UpgradeStep>& steps) { return upgradeSchema(settings(), steps); }

QString upgradeLockFile(const Settings& settings) {
    return sqliteFile(settings, kMain) + QStringLiteral("-atualizacao.lock");
}

bool textIndexReady(const QString& table) {
    if (!isConnected())
        return true;  // a statement written without a database is written for one that is up to date
    static QHash<QString, bool> known;
    static quint64 epoch = 0, upgrades = 0;
    if (epoch != connectionEpoch() || upgrades != g_upgrades) {
        known.clear();
        epoch = connectionEpoch();
        upgrades = g_upgrades;
    }
    const auto found = known.constFind(table);
    if (found != known.cend())
        return *found;
    QSqlDatabase main = connection(kMain);
    const Engine e = engine();
    bool ready = e == Engine::SQLite && tableExists(main, e, table) &&
                 tableExists(main, e, QStringLiteral("nurv_preenchimento")) &&
                 !firstValue(main, QStringLiteral("select 1 from nurv_preenchimento where tabela = :t"),
                             {{QStringLiteral("t"), table}});
    known.insert(table, ready);
    return ready;
}

}  // namespace db
