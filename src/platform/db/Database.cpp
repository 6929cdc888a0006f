#include "platform/db/Database.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <sqlite3.h>

namespace db {

namespace {

Settings g_settings;
bool g_connected = false;
int g_transactionDepth = 0;

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

QSqlDatabase openOne(const Settings& s, const QString& name) {
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    QSqlDatabase database;
    if (s.engine == Engine::SQLite) {
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        const QString file = sqliteFile(s, name);
        if (!QFileInfo::exists(file))
            throw Error(QStringLiteral("Banco de dados não encontrado: %1").arg(file));
        database.setDatabaseName(file);
        QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000");
        if (name != kMain)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        database.setConnectOptions(options);
    } else {
        database = addPostgres(s, name);
    }
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
    return database;
}

}  // namespace

QSqlDatabase addPostgres(const Settings& s, const QString& name) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    database.setHostName(s.host);
    database.setPort(s.port);
    database.setDatabaseName(s.database);
    database.setUserName(s.user);
    database.setPassword(s.password);
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
}

void disconnectAll() {
    g_transactionDepth = 0;
    g_connected = false;
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

QSqlDatabase connection(const QString& name) {
    for (const QString& known : connectionNames()) {
        if (known.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            if (!QSqlDatabase::contains(known))
                throw Error(QStringLiteral("Conexão %1 não está aberta.").arg(known));
            return QSqlDatabase::database(known, false);
        }
    }
    throw Error(QStringLiteral("Conexão desconhecida: %1").arg(name));
}

void startTransaction() {
    if (g_transactionDepth > 0)
        throw Error(QStringLiteral("Já existe uma transação em andamento."));
    QSqlDatabase main = connection(kMain);
    if (!main.transaction())
        throw Error(main.lastError().text());
    g_transactionDepth = 1;
}

void commit() {
    if (g_transactionDepth == 0)
        throw Error(QStringLiteral("Não há transação em andamento."));
    QSqlDatabase main = connection(kMain);
    if (!main.commit()) {
        const QString text = main.lastError().text();
        main.rollback();
        g_transactionDepth = 0;
        throw Error(text);
    }
    g_transactionDepth = 0;
}

void rollback() {
    if (g_transactionDepth == 0)
        return;
    g_transactionDepth = 0;
    QSqlDatabase main = connection(kMain);
    if (!main.rollback())
        throw Error(main.lastError().text());
    if (g_settings.engine == Engine::PostgreSQL) {
        // A statement that failed inside the transaction could not free its prepared form; no query
        // outlives its call, so none is in use now.
        QSqlQuery q(main);
        q.exec(QStringLiteral("deallocate all"));
    }
}

bool inTransaction() { return g_transactionDepth > 0; }

QDateTime serverTime() {
    if (g_settings.engine == Engine::SQLite) {
        QDateTime now = QDateTime::currentDateTime();
        return now.addMSecs(-now.time().msec());
    }
    QSqlQuery q(connection(kMain));
    if (!q.exec(QStringLiteral("select cast(localtimestamp(0) as text)")) || !q.next())
        throw Error(q.lastError().text());
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
