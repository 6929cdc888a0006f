#include "platform/db/Database.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <sqlite3.h>
#include <utility>

namespace db {

namespace {

Settings g_settings;
bool g_connected = false;
int g_transactionDepth = 0;
quint64 g_epoch = 0;
QList<std::function<void(bool)>> g_transactionEnded;

void bumpEpoch() { ++g_epoch; }

// The transaction is over: tells whoever waits on it how it ended.
void endTransaction(bool committed) {
    g_transactionDepth = 0;
    const QList<std::function<void(bool)>> waiting = std::exchange(g_transactionEnded, {});
    for (const auto& ended : waiting) {
        try {
            ended(committed);
        } catch (...) {
        }
    }
}

const QStringList& connectionNames() {
    static const QStringList names{kMain, kPadrao, kKelvo};
    return names;
}

void sqliteFold(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray folded = fold(QString::fromUtf8(text)).toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

void registerSqliteFunctions(QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw Error(QStringLiteral("O driver SQLite não expõe a conexão."));
    sqlite3* raw = *static_cast<sqlite3* const*>(handle.data());
    sqlite3_create_function(raw, "fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteFold, nullptr,
                            nullptr);
}

void execOrThrow(QSqlDatabase& database, const QString& sql) {
    QSqlQuery q(database);
    if (!q.exec(sql))
        throw Error(q.lastError().text());
}

// Opens a connection and sets up its session: functions, attached databases, search path, read-only mode.
void startSession(QSqlDatabase& database, const Settings& s, const QString& name) {
    if (s.engine == Engine::SQLite && !QFileInfo::exists(database.databaseName()))
        throw Error(QStringLiteral("Banco de dados não encontrado: %1").arg(database.databaseName()));
    if (!database.open())
        throw Error(database.lastError().text());
    if (s.engine == Engine::SQLite) {
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
                    throw Error(q.lastError().text());
            }
        }
    } else {
        execOrThrow(database, QStringLiteral("set client_encoding to 'UTF8'"));
        execOrThrow(database, QStringLiteral("set datestyle to 'ISO, DMY'"));
        if (name == kPadrao)
            execOrThrow(database, QStringLiteral("set search_path to padrao, public"));
        if (name == kKelvo)
            execOrThrow(database, QStringLiteral("set search_path to zzoo01, public"));
        if (name != kMain)
            execOrThrow(database, QStringLiteral("set default_transaction_read_only = on"));
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
    startSession(database, s, name);
    return database;
}

// A connection that was lost, opened again in place with its session settings.
void reopen(QSqlDatabase& database, const QString& name) {
    bumpEpoch();
    try {
        startSession(database, g_settings, name);
    } catch (const Error&) {
        database.close();
        throw Error(kConexaoPerdida, Error::Kind::ConnectionLost);
    }
}

}  // namespace

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
    g_settings = settings;
    for (const QString& name : connectionNames())
        openOne(settings, name);
    g_connected = true;
    bumpEpoch();
}

void disconnectAll() {
    if (g_transactionDepth > 0)
        endTransaction(false);
    g_connected = false;
    bumpEpoch();
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

bool isConnected() { return g_connected; }
Engine engine() { return g_settings.engine; }
const Settings& settings() { return g_settings; }

void throwFailure(const QSqlDatabase& database, const QSqlError& error) {
    if (database.isOpen())
        throw Error(error.text());
    // The server is gone for this session, and most likely for the others too (a restart ends them all):
    // each is opened again on its next use. The main connection stays as it is while a transaction waits
    // for its rollback.
    bumpEpoch();
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

quint64 connectionEpoch() { return g_epoch; }

void startTransaction() {
    if (g_transactionDepth > 0)
        throw Error(QStringLiteral("Já existe uma transação em andamento."));
    QSqlDatabase main = connection(kMain);
    if (!main.transaction())
        throwFailure(main, main.lastError());
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
        if (!main.isOpen())
            return;
        throw Error(main.lastError().text());
    }
    if (g_settings.engine == Engine::PostgreSQL) {
        // A statement that failed inside the transaction could not free its prepared form; no query
        // outlives its call, so none is in use now.
        QSqlQuery q(main);
        q.exec(QStringLiteral("deallocate all"));
        bumpEpoch();
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

QString fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out.append(c.toLower());
    }
    return out;
}

QString storedDateTime(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime parseStoredDateTime(const QString& text) {
    const QString t = text.trimmed();
    static const char* formats[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz",
                                    "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-dd HH:mm", "yyyy-MM-dd"};
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
