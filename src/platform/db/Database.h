#pragma once
// The three named connections, transactions on the main one, the server time and the one SQL dialect
// that both engines run.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace db {

inline const QString kMain = QStringLiteral("BANCO_NURV");
inline const QString kPadrao = QStringLiteral("DB_Padrao");
inline const QString kKelvo = QStringLiteral("DB_KELVO");

enum class Engine { SQLite, PostgreSQL };

// Where the databases live. SQLite: three files in `directory`; PostgreSQL: one database with the schemas
// padrao and zzoo01 beside public.
struct Settings {
    Engine engine = Engine::SQLite;
    QString directory;                 // SQLite
    QString host;                      // PostgreSQL: host name or socket folder
    int port = 5432;
    QString database;
    QString user;
    QString password;
};

// File names of the three SQLite databases inside Settings::directory.
QString sqliteFile(const Settings& s, const QString& connection);

// A PostgreSQL connection of the given name with the settings' parameters, not yet opened.
QSqlDatabase addPostgres(const Settings& settings, const QString& name);

class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Opens BANCO_NURV, DB_Padrao and DB_KELVO in that order; the first that fails throws and the rest are not
// tried. The two last are read only.
void connectAll(const Settings& settings);
void disconnectAll();

// Changes whenever prepared statements kept for a connection can no longer be trusted: connections opened
// or closed, or the server's prepared statements dropped. A statement kept from an older epoch is thrown away.
quint64 connectionEpoch();
bool isConnected();
Engine engine();
const Settings& settings();

// The connection a query names; the match ignores case ("Banco_NURV" is the main one).
QSqlDatabase connection(const QString& name = kMain);

// Explicit transactions on the main connection; outside them every statement commits at once.
void startTransaction();
void commit();
void rollback();
bool inTransaction();

// Rolls back on destruction unless committed: a failed save never leaves a transaction open.
class Transaction {
public:
    Transaction() { startTransaction(); m_open = true; }
    ~Transaction() {
        if (m_open) {
            try { rollback(); } catch (...) {}
        }
    }
    void commit() { db::commit(); m_open = false; }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    bool m_open = false;
};

// The server's local time in whole seconds.
QDateTime serverTime();

// Case- and accent-free form of a text, as the SQL function fold() computes it on both engines. Below U+0250
// every character folds through one table, which also writes the server's function (foldTable()); letters with
// a stroke or bar fold to their plain letter (Ø to o, Ł to l, Đ and Ð to d), ligatures and ß only to lower case.
QString fold(const QString& text);

// Pairs of characters whose folded form differs from themselves, below U+0250: `from` folds to `to`.
struct FoldTable {
    QString from, to;
};
const FoldTable& foldTable();

// The pattern of a prefix search: `fold(column) like :prefix escape '\'` finds the texts that begin with `typed`,
// ignoring case and accents; %, _ and \ typed are matched as themselves.
QString likePrefix(const QString& typed);

// Text a date-time is stored as on SQLite ("yyyy-MM-dd HH:mm:ss"), and its reading back.
QString storedDateTime(const QDateTime& value);
QDateTime parseStoredDateTime(const QString& text);
// The reading of exactly "yyyy-MM-dd HH:mm:ss" in local time; invalid for any other text.
QDateTime parseStoredDateTimeText(QStringView text);

}  // namespace db
