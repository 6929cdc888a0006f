// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three named connections, transactions on the main one, the server time and the one SQL dialect
// that both engines run.

#include "platform/db/Fold.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantHash>
#include <functional>
#include <stdexcept>
#include <vector>

class QSqlError;
struct pg_conn;

namespace db {

inline const QString kMain = QStringLiteral("BANCO_NURV");
inline const QString kPadrao = QStringLiteral("DB_Padrao");
inline const QString kKelvo = QStringLiteral("DB_KELVO");

enum class Engine { SQLite, PostgreSQL };

// Where the databases live. SQLite: three files in `directory`; PostgreSQL: one database with the schemas
// padrao and zzoo01 beside public.
struct Settings {
    Engine engine = Engine::SQLite;
    QString directory;  // SQLite
    QString host;       // PostgreSQL: host name or socket folder
    int port = 5432;
    QString database;
    QString user;
    QString password;
    int busyTimeoutMs = 5000;  // how long a statement waits for another workstation's lock (SQLite's
                               // busy timeout, PostgreSQL's lock_timeout on the main connection)
};

// File names of the three SQLite databases inside Settings::directory.
QString sqliteFile(const Settings& s, const QString& connection);

// Defines on an open SQLite connection the functions that the statements and the indexes of NURV's tables
// need (fold()); a connection opened outside this layer that writes those tables needs them too.
void registerSqliteFunctions(QSqlDatabase& database);

// A PostgreSQL connection of the given name with the settings' parameters, not yet opened.
QSqlDatabase addPostgres(const Settings& settings, const QString& name);
// Refuses an open PostgreSQL database whose encoding is not UTF8 (LATIN1, WIN1252, SQL_ASCII...): the
// thrown text names the database and its encoding.
void requireUtf8(QSqlDatabase& database);

// What the user is told when a row was changed or deleted by another workstation after it was read, and
// when the server connection was lost (the server stopped, restarted or ended the session).
inline const QString kRegistroAlterado =
    QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente.");
inline const QString kConexaoPerdida =
    QStringLiteral("A conexão com o banco de dados foi perdida. Verifique o servidor e tente novamente.");

// What the user is told when the database cannot take a write for a cause outside the program: another
// workstation holds it, its files are read only, its disk is full.
inline const QString kBancoEmUso = QStringLiteral(
    "O banco de dados está em uso por outra estação de trabalho. Aguarde alguns instantes e tente novamente.");
inline const QString kBancoSomenteLeitura = QStringLiteral(
    "O banco de dados está somente para leitura e não aceita gravações. Peça ao administrador a permissão de "
    "gravação nos arquivos do banco de dados ou no servidor.");
inline const QString kBancoDiscoCheio =
    QStringLiteral("O disco do banco de dados está cheio. Libere espaço no disco e tente novamente.");
// What the user is told when the database refused a statement for any other cause: the driver's own text goes to
// the standard error stream only.
inline const QString kErroBanco = QStringLiteral(
    "O banco de dados não aceitou a operação. Tente novamente; se persistir, avise o administrador do sistema.");

class Error : public std::runtime_error {
public:
    enum class Kind {
        Refused,         // the server refused the statement
        RowChanged,      // an update or delete found no row: kRegistroAlterado
        ConnectionLost,  // kConexaoPerdida; the connection is reopened on its next use
        KeyConflict,     // a row with the same key exists (the server names its column in detail())
        Busy,            // kBancoEmUso: another workstation held a lock for longer than the statement waits
        Unavailable,     // the database could not take the statement: kBancoSomenteLeitura, kBancoDiscoCheio
    };
    explicit Error(const QString& text, Kind kind = Kind::Refused, QString detail = {})
        : std::runtime_error(text.toStdString()), m_text(text), m_kind(kind), m_detail(std::move(detail)) {}
    // What the user is told, in Portuguese.
    const QString& text() const { return m_text; }
    Kind kind() const { return m_kind; }
    // What the driver said, for the program and the standard error stream; empty for the system's own errors.
    const QString& detail() const { return m_detail; }

private:
    QString m_text;
    Kind m_kind;
    QString m_detail;
};

// The user's sentence for a failure of a known cause, from the driver's error code (SQLite's result code,
// PostgreSQL's SQLSTATE) or its text; empty for any other failure.
QString knownCause(const QString& nativeCode, const QString& databaseText);

// The error of a statement that failed on `database`: a session that ended under it (a connection the driver
// found broken, a server that crashed, restarted or was told to end it) gives kConexaoPerdida and every
// connection is then reopened on its next use; a known cause gives its sentence (Kind::Unavailable); any other
// failure gives kErroBanco. The driver's text goes to the standard error stream and into Error::detail().
[[noreturn]] void throwFailure(const QSqlDatabase& database, const QSqlError& error);
// The same error for a failure outside a statement (a commit, a rollback, opening a session).
Error failure(const QSqlError& error);

// libpq's connection under a PostgreSQL connection; null for another driver.
pg_conn* postgresConnection(const QSqlDatabase& database);

// Opens BANCO_NURV, DB_Padrao and DB_KELVO in that order; the first that fails throws and the rest are not
// tried. The two last are read only. A PostgreSQL database not in UTF8 is refused (requireUtf8).
void connectAll(const Settings& settings);
void disconnectAll();

bool isConnected();
Engine engine();
const Settings& settings();

// The connection a query names; the match ignores case ("Banco_NURV" is the main one). A connection that
// was lost is opened again here, with its session settings; the main one only once its transaction has
// been rolled back.
QSqlDatabase connection(const QString& name = kMain);

// Changes whenever a connection is opened, reopened or closed, or its prepared statements are freed:
// whatever is kept per connection is stale once it moves.
quint64 connectionEpoch();
// Runs `forget` whenever the epoch is about to change, from now on, so that what is kept per connection (the
// prepared statements) is let go while its connection is still there.
void beforeEachNewEpoch(std::function<void()> forget);

// Explicit transactions on the main connection; outside them every statement commits at once. On SQLite a
// transaction takes the write lock as it starts ("begin immediate"): the checks and keys read inside it
// stay true until it ends, and another workstation's save waits for it (at most busyTimeoutMs).
void startTransaction();
void commit();
void rollback();
bool inTransaction();

// Runs `ended` when the open transaction ends: with true after its commit, with false after a rollback
// (a commit the server refused and a lost connection included). Outside a transaction every statement
// has committed already, and it runs at once with true.
void whenTransactionEnds(std::function<void(bool committed)> ended);

// Runs `hook` before every transaction starts, from now on.
void beforeEachTransaction(std::function<void()> hook);

// Rolls back on destruction unless committed: a failed save never leaves a transaction open.
class Transaction {
public:
    Transaction() {
        startTransaction();
        m_open = true;
    }
    ~Transaction() {
        if (m_open) {
            // A destructor may not throw; a rollback that fails has ended the transaction all the same.
            try {
                rollback();
            } catch (...) {
            }
        }
    }
    void commit() {
        db::commit();
        m_open = false;
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    bool m_open = false;
};

// The server's local time in whole seconds.
QDateTime serverTime();

// Whether two texts are the same text to the program, as the old server's collation compared every text: blanks
// at either end, case and accents aside. The statements compare so through fold(trim(column)) = fold(:value) or
// a folded constant ("fold(trim(Status_Registro)) = 'ativo'"), because other programs write the same tables with
// their own habits (lower case, padding, accents or none).
bool sameText(const QString& a, const QString& b);

// The statements that (re)define fold() on PostgreSQL, equal to fold() for every character it changes.
QStringList postgresFoldFunctions();

// Text a date-time is stored as on SQLite ("yyyy-MM-dd HH:mm:ss"), and its reading back.
QString storedDateTime(const QDateTime& value);
// Text a date-time is bound as: as stored, and with its milliseconds when it has some (a stamp another system
// stored with a fraction, read on PostgreSQL), so that a value read is written back as it was read. SQLite's
// text of a whole second sorts before the texts of its fractions.
QString boundDateTime(const QDateTime& value);
QDateTime parseStoredDateTime(const QString& text);
// The reading of exactly "yyyy-MM-dd HH:mm:ss" in local time; invalid for any other text.
QDateTime parseStoredDateTimeText(QStringView text);

}  // namespace db
