// SPDX-License-Identifier: GPL-3.0-or-later
// The named connections, their transactions, the server's time and the translation of drivers' errors.
#include "platform/db/Database.h"

#include "platform/db/SqliteFold.h"

#include <libpq-fe.h>
#include <sqlite3.h>
#include <QDebug>
#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <utility>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace db {

namespace {

Settings g_settings;
bool g_connected = false;
int g_transactionDepth = 0;
quint64 g_epoch = 1;
QList<std::function<void(bool)>> g_transactionEnded;
QList<std::function<void()>> g_beforeNewEpoch;

// What is kept per connection goes before the connection it belongs to closes or is dropped.
void forgetKept() {
    for (const auto& forget : std::as_const(g_beforeNewEpoch))
        forget();
}

// A new epoch: what was prepared on the connections before is gone.
void newEpoch() {
    forgetKept();
    ++g_epoch;
}

// The transaction is over: tells whoever waits on it how it ended.
void endTransaction(bool committed) {
    g_transactionDepth = 0;
    const QList<std::function<void(bool)>> waiting = std::exchange(g_transactionEnded, {});
    for (const auto& ended : waiting) {
        try {
            ended(committed);
        } catch (...) {
            // One waiter's failure keeps neither the others nor the end of the transaction from happening.
        }
    }
}

// Without TZ the C library checks the zone file again on every local-time conversion, and Qt converts once
// per date-time read. Naming the same file once keeps the zone as the system has it and the check away.
void pinLocalZone() {
    if (qEnvironmentVariableIsSet("TZ") || !QFileInfo::exists(QStringLiteral("/etc/localtime")))
        return;
    qputenv("TZ", ":/etc/localtime");
    tzset();
}

const QStringList& connectionNames() {
    static const QStringList names{kMain, kPadrao, kKelvo};
    return names;
}

void execOrThrow(QSqlDatabase& database, const QString& sql) {
    QSqlQuery q(database);
    if (!q.exec(sql))
        throw failure(q.lastError());
}

// Opens a connection and sets up its session: functions, attached databases, search path, read-only mode.
void startSession(QSqlDatabase& database, const Settings& s, const QString& name) {
    if (s.engine == Engine::SQLite && !QFileInfo::exists(database.databaseName()))
        throw Error(QStringLiteral("Banco de dados não encontrado: %1").arg(database.databaseName()));
    if (!database.open())
        throw failure(database.lastError());
    if (s.engine == Engine::SQLite) {
        // A file that is no database fails here, under its own name, rather than when another is attached.
        execOrThrow(database, QStringLiteral("select count(*) from sqlite_master"));
        registerSqliteFunctions(database);
        if (name == kMain) {
            for (const QString& other : {kPadrao, kKelvo}) {
                const QString schema = other == kPadrao ? QStringLiteral("padrao") : QStringLiteral("zzoo01");
                // Every byte of the path that a URI could read as syntax ("#", "?", "%", blanks) is escaped.
                const QString uri = QStringLiteral("file:%1?mode=ro")
                                        .arg(QString::fromLatin1(QUrl::toPercentEncoding(sqliteFile(s, other), "/")));
                QSqlQuery q(database);
                q.prepare(QStringLiteral("attach database ? as ") + schema);
                q.addBindValue(uri);
                if (!q.exec())
                    throw Error(QStringLiteral("%1: %2").arg(sqliteFile(s, other), failure(q.lastError()).detail()));
            }
        }
    } else {
        if (name == kMain)
            requireUtf8(database);
        execOrThrow(database, QStringLiteral("set client_encoding to 'UTF8'"));
        execOrThrow(database, QStringLiteral("set datestyle to 'ISO, DMY'"));
        // The planner orders joins freely up to this many tables: the advanced search joins ten, and must be
        // free to start from the index of the one its criterion names.
        execOrThrow(database, QStringLiteral("set join_collapse_limit = 12"));
        execOrThrow(database, QStringLiteral("set from_collapse_limit = 12"));
        if (name == kPadrao)
            execOrThrow(database, QStringLiteral("set search_path to padrao, public"));
        if (name == kKelvo)
            execOrThrow(database, QStringLiteral("set search_path to zzoo01, public"));
        if (name != kMain)
            execOrThrow(database, QStringLiteral("set default_transaction_read_only = on"));
        else
            execOrThrow(database, QStringLiteral("set lock_timeout = %1").arg(qMax(0, s.busyTimeoutMs)));
    }
}

QSqlDatabase openOne(const Settings& s, const QString& name) {
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    QSqlDatabase database;
    if (s.engine == Engine::SQLite) {
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(sqliteFile(s, name));
        QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(s.busyTimeoutMs);
        if (name != kMain)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        database.setConnectOptions(options);
    } else {
        database = addPostgres(s, name);
    }
    try {
        startSession(database, s, name);
    } catch (const Error& e) {
        // Which of the three files it was: one that is no database fails only when it is attached or read.
        const bool named = std::any_of(connectionNames().cbegin(), connectionNames().cend(),
                                       [&](const QString& c) { return e.text().contains(sqliteFile(s, c)); });
        if (s.engine == Engine::SQLite && !named)
            throw Error(QStringLiteral("%1: %2").arg(database.databaseName(), e.detail()), e.kind());
        throw;
    }
    return database;
}

// A connection that was lost, opened again in place with its session settings.
void reopen(QSqlDatabase& database, const QString& name) {
    newEpoch();
    try {
        startSession(database, g_settings, name);
    } catch (const Error&) {
        database.close();
        throw Error(kConexaoPerdida, Error::Kind::ConnectionLost);
    }
}

}  // namespace

void registerSqliteFunctions(QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw Error(QStringLiteral("O driver SQLite não expõe a conexão."));
    sqlite3* raw = *static_cast<sqlite3* const*>(handle.data());
    if (defineSqliteFold(raw) != SQLITE_OK)
        throw Error(QStringLiteral("fold() não pôde ser definida: %1").arg(QString::fromUtf8(sqlite3_errmsg(raw))));
}

QSqlDatabase addPostgres(const Settings& s, const QString& name) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    database.setHostName(s.host);
    database.setPort(s.port);
    database.setDatabaseName(s.database);
    database.setUserName(s.user);
    database.setPassword(s.password);
    // A server host that does not answer must not hold the program for minutes on every try to reconnect.
    database.setConnectOptions(QStringLiteral("connect_timeout=10"));
    return database;
}

void requireUtf8(QSqlDatabase& database) {
    QSqlQuery q(database);
    if (!q.exec(QStringLiteral("show server_encoding")) || !q.next())
        throw failure(q.lastError());
    const QString encoding = q.value(0).toString().trimmed();
    if (encoding.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
        throw Error(QStringLiteral("banco de dados %1: codificação %2; o NURV exige um banco de dados UTF8 "
                                   "(createdb --encoding=UTF8 --template=template0)")
                        .arg(database.databaseName(), encoding));
}

QString sqliteFile(const Settings& s, const QString& connection) {
    QString base = QStringLiteral("nurv.db");
    if (connection.compare(kPadrao, Qt::CaseInsensitive) == 0)
        base = QStringLiteral("padrao.db");
    else if (connection.compare(kKelvo, Qt::CaseInsensitive) == 0)
        base = QStringLiteral("zzoo01.db");
    return QDir(s.directory).filePath(base);
}

void connectAll(const Settings& settings) {
    disconnectAll();
    pinLocalZone();
    g_settings = settings;
    for (const QString& name : connectionNames())
        openOne(settings, name);
    g_connected = true;
    newEpoch();
}

void disconnectAll() {
    if (g_transactionDepth > 0)
        endTransaction(false);
    g_connected = false;
    newEpoch();
    for (const QString& name : connectionNames()) {
        if (QSqlDatabase::contains(name)) {
            {
                QSqlDatabase database = QSqlDatabase::database(name, false);
                database.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
    }
}

quint64 connectionEpoch() { return g_epoch; }

void beforeEachNewEpoch(std::function<void()> forget) { g_beforeNewEpoch.append(std::move(forget)); }

bool isConnected() { return g_connected; }
Engine engine() { return g_settings.engine; }
const Settings& settings() { return g_settings; }

namespace {

// SQLite's result codes (primary or extended) and PostgreSQL's states.
Error::Kind kindOf(const QSqlError& error) {
    static const QStringList conflicts{QStringLiteral("19"), QStringLiteral("1555"), QStringLiteral("2067"),
                                       QStringLiteral("23505")};
    static const QStringList busy{QStringLiteral("5"), QStringLiteral("261"),   QStringLiteral("517"),
                                  QStringLiteral("6"), QStringLiteral("55P03"), QStringLiteral("40P01")};
    const QString code = error.nativeErrorCode().trimmed();
    if (busy.contains(code))
        return Error::Kind::Busy;
    // SQLite gives one code to every constraint: only a repeated key counts here.
    if (conflicts.contains(code) && (code == QLatin1String("23505") || error.text().contains(QLatin1String("UNIQUE"))))
        return Error::Kind::KeyConflict;
    return Error::Kind::Refused;
}

}  // namespace

QString knownCause(const QString& nativeCode, const QString& databaseText) {
    const QString code = nativeCode.trimmed();
    if (code.size() == 5) {
        // PostgreSQL's SQLSTATE.
        if (code == QLatin1String("55P03") || code == QLatin1String("40P01"))
            return kBancoEmUso;
        if (code == QLatin1String("53100"))
            return kBancoDiscoCheio;
        if (code == QLatin1String("25006"))  // a server that only reads (a standby), or a session set so
            return kBancoSomenteLeitura;
        return {};
    }
    bool number = false;
    switch (code.toInt(&number) & 0xff) {  // SQLite's extended codes keep the primary one in their low byte
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return kBancoEmUso;
    case SQLITE_READONLY: return kBancoSomenteLeitura;
    case SQLITE_FULL: return kBancoDiscoCheio;
    default: break;
    }
    // A driver that gives no code: SQLite's own texts.
    const QString text = databaseText.toLower();
    if (text.contains(QLatin1String("database is locked")) || text.contains(QLatin1String("database table is locked")))
        return kBancoEmUso;
    if (text.contains(QLatin1String("readonly database")))
        return kBancoSomenteLeitura;
    if (text.contains(QLatin1String("database or disk is full")))
        return kBancoDiscoCheio;
    return {};
}

Error failure(const QSqlError& error) {
    const Error::Kind kind = kindOf(error);
    const QString known =
        kind == Error::Kind::KeyConflict ? QString() : knownCause(error.nativeErrorCode(), error.databaseText());
    qWarning().noquote() << error.text();
    if (known.isEmpty())
        return Error(kErroBanco, kind, error.text());
    return Error(known, known == kBancoEmUso ? Error::Kind::Busy : Error::Kind::Unavailable, error.text());
}

pg_conn* postgresConnection(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0)
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

namespace {

// Whether the session under `database` ended: closed by the driver, or ended by the server (a crash, a restart,
// an administrator's command), which Qt's PostgreSQL driver leaves open.
bool sessionEnded(const QSqlDatabase& database, const QSqlError& error) {
    if (!database.isOpen())
        return true;
    const QString code = error.nativeErrorCode().trimmed();
    if (code.size() == 5 && (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"))))
        return true;
    PGconn* session = postgresConnection(database);
    return session && PQstatus(session) == CONNECTION_BAD;
}

}  // namespace

void throwFailure(const QSqlDatabase& database, const QSqlError& error) {
    if (!sessionEnded(database, error))
        throw failure(error);
    qWarning().noquote() << error.text();
    // The server is gone for this session, and most likely for the others too (a restart ends them all):
    // each is opened again on its next use. The main connection stays as it is while a transaction waits
    // for its rollback.
    newEpoch();
    for (const QString& name : connectionNames()) {
        if (!QSqlDatabase::contains(name) || (name == kMain && g_transactionDepth > 0))
            continue;
        QSqlDatabase::database(name, false).close();
    }
    throw Error(kConexaoPerdida, Error::Kind::ConnectionLost);
}

QSqlDatabase connection(const QString& name) {
    for (const QString& known : connectionNames()) {
        if (known.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            if (!QSqlDatabase::contains(known))
                throw Error(QStringLiteral("Conexão %1 não está aberta.").arg(known));
            QSqlDatabase database = QSqlDatabase::database(known, false);
            if (g_connected && !database.isOpen()) {
                // The server ended the transaction with the session; it must be rolled back here too before
                // the main connection serves anything else.
                if (known == kMain && g_transactionDepth > 0)
                    throw Error(kConexaoPerdida, Error::Kind::ConnectionLost);
                reopen(database, known);
            }
            return database;
        }
    }
    throw Error(QStringLiteral("Conexão desconhecida: %1").arg(name));
}

namespace {
QList<std::function<void()>>& transactionHooks() {
    static QList<std::function<void()>> hooks;
    return hooks;
}
}  // namespace

void beforeEachTransaction(std::function<void()> hook) { transactionHooks().append(std::move(hook)); }

void startTransaction() {
    if (g_transactionDepth > 0)
        throw Error(QStringLiteral("Já existe uma transação em andamento."));
    for (const auto& hook : std::as_const(transactionHooks()))
        hook();
    QSqlDatabase main = connection(kMain);
    if (g_settings.engine == Engine::SQLite) {
        QSqlQuery begin(main);
        if (!begin.exec(QStringLiteral("begin immediate")))
            throwFailure(main, begin.lastError());
    } else if (!main.transaction()) {
        throwFailure(main, main.lastError());
    }
    g_transactionDepth = 1;
}

void commit() {
    if (g_transactionDepth == 0)
        throw Error(QStringLiteral("Não há transação em andamento."));
    QSqlDatabase main = connection(kMain);
    if (!main.commit()) {
        const QSqlError error = main.lastError();
        if (main.isOpen())
            main.rollback();
        endTransaction(false);
        throwFailure(main, error);
    }
    endTransaction(true);
}

void rollback() {
    if (g_transactionDepth == 0)
        return;
    // Whatever happens below, the transaction is over: a lost connection took it with it.
    QSqlDatabase main = QSqlDatabase::database(kMain, false);
    struct Ended {
        ~Ended() { endTransaction(false); }
    } ended;
    if (!main.isOpen())
        return;
    if (!main.rollback()) {
        // A session the server ended has nothing left to roll back: it is opened again on its next use.
        if (sessionEnded(main, main.lastError())) {
            main.close();
            newEpoch();
            return;
        }
        throw failure(main.lastError());
    }
    if (g_settings.engine == Engine::PostgreSQL) {
        // A statement that failed inside the transaction could not free its prepared form. The kept
        // statements go first, while the server still knows them, then whatever is left.
        forgetKept();
        QSqlQuery q(main);
        q.exec(QStringLiteral("deallocate all"));
        newEpoch();
    }
}

bool inTransaction() { return g_transactionDepth > 0; }

void whenTransactionEnds(std::function<void(bool committed)> ended) {
    if (g_transactionDepth == 0)
        ended(true);
    else
        g_transactionEnded.append(std::move(ended));
}

QDateTime serverTime() {
    if (g_settings.engine == Engine::SQLite) {
        QDateTime now = QDateTime::currentDateTime();
        return now.addMSecs(-now.time().msec());
    }
    QSqlDatabase main = connection(kMain);
    QSqlQuery q(main);
    if (!q.exec(QStringLiteral("select cast(localtimestamp(0) as text)")) || !q.next())
        throwFailure(main, q.lastError());
    return parseStoredDateTime(q.value(0).toString());
}

QStringList postgresFoldFunctions() {
    // Three ways, the cheapest that gives fold()'s result: plain ASCII is lowered; ASCII with Latin letters
    // whose decomposition is an ASCII letter and accents (the names of this country) drops the accents of
    // the decomposition; anything else goes through the whole table, whose few expansions the final
    // decomposition makes (Hangul) or a replacement first. translate() searches its list from the start for
    // every character of the text: the common letters come first, the dropped marks last, as it wants them.
    QString latin;
    QString from, to, removed;
    QString wide = QStringLiteral("$1");  // expansions that the final decomposition does not make alone
    const QString common = QStringLiteral(" abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (QChar c : common) {
        from += c;
        to += fold(QString(c));
    }
    for (const FoldedCharacter& f : foldedCharacters()) {
        const QChar c(f.character);
        if (c.unicode() >= 0x80 && c.unicode() < kFoldTableEnd) {
            const QString d = QString(c).normalized(QString::NormalizationForm_D);
            bool accentsOnly = d.size() > 1 && d[0].unicode() < 0x80;
            for (qsizetype i = 1; i < d.size(); ++i)
                accentsOnly = accentsOnly && d[i].unicode() >= 0x300 && d[i].unicode() <= 0x36f;
            if (accentsOnly && f.folded == QString(d[0].toLower()))
                latin += c;
        }
        if (common.contains(c))
            continue;
        if (f.folded.isEmpty())
            removed += c;
        else if (f.folded.toUcs4().size() == 1)
            from += c, to += f.folded;
        else if (c.unicode() < 0xAC00 || c.unicode() > 0xD7A3)
            wide = QStringLiteral("replace(%1, '%2', '%3')").arg(wide, QString(c), f.folded);
    }
    // The rare way is a function of its own, never written into the statements that call fold(), which the
    // server plans with fold()'s text in place.
    return {QStringLiteral("create or replace function public.fold_table(text) returns text language plpgsql immutable "
                           "strict parallel safe as $$ begin return normalize(translate(%3, '%1', '%2'), NFD); end $$")
                .arg(QString(from + removed).replace(QLatin1Char('\''), QStringLiteral("''")),
                     QString(to).replace(QLatin1Char('\''), QStringLiteral("''")), wide),
            QStringLiteral("create or replace function public.fold(text) returns text language sql immutable parallel "
                           "safe as $$ select case when octet_length($1) = length($1) then lower($1 collate \"C\") "
                           "when $1 ~ '^[\\x01-\\x7f%1]*$' then "
                           "lower(regexp_replace(normalize($1, NFD), '[\\u0300-\\u036f]', '', 'g') collate \"C\") "
                           "else public.fold_table($1) end $$")
                .arg(latin)};
}

bool sameText(const QString& a, const QString& b) { return fold(a.trimmed()) == fold(b.trimmed()); }

QString storedDateTime(const QDateTime& value) { return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QString boundDateTime(const QDateTime& value) {
    return value.time().msec() == 0 ? storedDateTime(value) : value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QDateTime parseStoredDateTimeText(QStringView t) {
    if (t.size() != 19 || t[4] != u'-' || t[7] != u'-' || t[10] != u' ' || t[13] != u':' || t[16] != u':')
        return {};
    auto number = [t](int from, int digits, bool& ok) {
        int n = 0;
        for (int i = from; i < from + digits; ++i) {
            const char16_t c = t[i].unicode();
            if (c < u'0' || c > u'9')
                ok = false;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    bool ok = true;
    const QDate date(number(0, 4, ok), number(5, 2, ok), number(8, 2, ok));
    const QTime time(number(11, 2, ok), number(14, 2, ok), number(17, 2, ok));
    if (!ok || !date.isValid() || !time.isValid())
        return {};
    QDateTime local(date, time);
    if (!local.isValid() || local.time() != time) {
        // A time the local clock skips: Qt's own reading decides what it becomes.
        return QDateTime::fromString(t.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return local;
}

QDateTime parseStoredDateTime(const QString& text) {
    const QString t = text.trimmed();
    const QDateTime direct = parseStoredDateTimeText(t);
    if (direct.isValid())
        return direct;
    static const char* formats[] = {"yyyy-MM-dd HH:mm:ss",     "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz",
                                    "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-dd HH:mm",    "yyyy-MM-dd"};
    for (const char* f : formats) {
        QDateTime d = QDateTime::fromString(t, QLatin1String(f));
        if (d.isValid())
            return d;
    }
    // PostgreSQL may add fractions of any length.
    QDateTime d = QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return d;
}

}  // namespace db
