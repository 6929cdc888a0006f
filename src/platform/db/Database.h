#pragma once
// The three named connections, transactions on the main one, the server time and the one SQL dialect
// that both engines run.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantHash>
#include <functional>
#include <stdexcept>
#include <vector>

class QSqlError;

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
    int busyTimeoutMs = 5000;          // SQLite: how long a statement waits for another connection's lock
};

// File names of the three SQLite databases inside Settings::directory.
QString sqliteFile(const Settings& s, const QString& connection);

// A PostgreSQL connection of the given name with the settings' parameters, not yet opened.
QSqlDatabase addPostgres(const Settings& settings, const QString& name);

// What the user is told when a row was changed or deleted by another workstation after it was read, and
// when the server connection was lost (the server stopped, restarted or ended the session).
inline const QString kRegistroAlterado =
    QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente.");
inline const QString kConexaoPerdida =
    QStringLiteral("A conexão com o banco de dados foi perdida. Verifique o servidor e tente novamente.");

class Error : public std::runtime_error {
public:
    enum class Kind {
        Refused,         // the server refused the statement
        RowChanged,      // an update or delete found no row: kRegistroAlterado
        ConnectionLost,  // kConexaoPerdida; the connection is reopened on its next use
    };
    explicit Error(const QString& text, Kind kind = Kind::Refused)
        : std::runtime_error(text.toStdString()), m_text(text), m_kind(kind) {}
    const QString& text() const { return m_text; }
    Kind kind() const { return m_kind; }

private:
    QString m_text;
    Kind m_kind;
};

// The error of a statement that failed on `database`: a connection the driver found broken gives
// kConexaoPerdida (never the driver's empty text) and every connection is then reopened on its next use.
[[noreturn]] void throwFailure(const QSqlDatabase& database, const QSqlError& error);

// Opens BANCO_NURV, DB_Padrao and DB_KELVO in that order; the first that fails throws and the rest are not
// tried. The two last are read only.
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

// Explicit transactions on the main connection; outside them every statement commits at once.
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
// every character folds through one table; letters with a stroke or bar fold to their plain letter (Ø to o,
// Ł to l, Đ and Ð to d), ligatures and ß only to lower case. Above it, accents are dropped from the canonical
// decomposition and the rest lowered.
QString fold(const QString& text);

// Every character below U+10000 whose folded form differs from itself, with that form (empty for the marks
// that fold drops, several characters for a Hangul syllable): what writes the server's function.
struct FoldedCharacter {
    char16_t character;
    QString folded;
};
const std::vector<FoldedCharacter>& foldedCharacters();

// The statements that (re)define fold() on PostgreSQL, equal to fold() for every character it changes.
QStringList postgresFoldFunctions();

// A condition of a search and the values it binds.
struct Condition {
    QString sql;
    QVariantHash values;
};

// The texts of `column` that begin with `typed`, ignoring case and accents (%, _ and \ typed are themselves),
// in the shape the index on fold(column) serves on the engine: a range of fold(column) on SQLite, whose `like`
// no index serves, and a `like` on PostgreSQL, whose pattern index turns it into a range. Binds `param` and
// `param`_end.
Condition foldedPrefix(const QString& column, const QString& param, const QString& typed);

// The trigram index that SQLite keeps of a searched text: a full-text table (FTS5, trigram tokenizer) whose
// rowid is the row's key and whose `column` holds fold() of the text, kept by triggers.
struct TextIndex {
    QString table;
    QString column;
    QString key;  // the searched row's key, as the statement names it
};

// The texts of `column` (a column or an expression over one) that contain `typed`, ignoring case and accents:
// on PostgreSQL the trigram index on fold(column) serves it, on SQLite `index` where one is given and three
// characters or more are typed. Binds `param` (and `param`_words).
Condition foldedContains(const QString& column, const QString& param, const QString& typed,
                         const TextIndex& index = {});

// The pattern of a prefix search: `fold(column) like :prefix escape '\'` finds the texts that begin with `typed`,
// ignoring case and accents; %, _ and \ typed are matched as themselves.
QString likePrefix(const QString& typed);
// The same for the texts that contain `typed`.
QString likeContains(const QString& typed);
// The condition of such a search on `column` with the parameter `param` (without its colon).
QString foldedLike(const QString& column, const QString& param);

// Text a date-time is stored as on SQLite ("yyyy-MM-dd HH:mm:ss"), and its reading back.
QString storedDateTime(const QDateTime& value);
QDateTime parseStoredDateTime(const QString& text);
// The reading of exactly "yyyy-MM-dd HH:mm:ss" in local time; invalid for any other text.
QDateTime parseStoredDateTimeText(QStringView text);

}  // namespace db
