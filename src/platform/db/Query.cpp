// SPDX-License-Identifier: GPL-3.0-or-later
// Running a statement: its lines, its bound parameters, the rows read and the errors turned into ours.
#include "platform/db/Query.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace db {

void RowSet::setFields(const QStringList& names) {
    m_fields = names;
    m_index.clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString key = names[i].toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int RowSet::fieldIndex(const QString& name) const { return m_index.value(name.trimmed().toLower(), -1); }

int RowSet::indexOrThrow(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Campo não encontrado: %1").arg(name));
    return i;
}

void RowSet::insert(int at, QVector<QVariant> values) {
    keepOrigins();
    if (!m_origin.empty())
        m_origin.insert(m_origin.begin() + at, -1);
    if (!m_raw.empty())
        m_raw.insert(m_raw.begin() + at, false);
    m_rows.insert(m_rows.begin() + at, std::move(values));
}

void RowSet::remove(int at) {
    keepOrigins();
    if (!m_origin.empty())
        m_origin.erase(m_origin.begin() + at);
    if (!m_raw.empty())
        m_raw.erase(m_raw.begin() + at);
    m_rows.erase(m_rows.begin() + at);
}

void RowSet::clear() {
    m_fields.clear();
    m_index.clear();
    clearRows();
}

void RowSet::clearRows() {
    m_rows.clear();
    m_pending.reset();
    m_pendingRows = 0;
    m_origin.clear();
    m_raw.clear();
}

void RowSet::setPending(std::shared_ptr<const PendingRows> pending, int rows) {
    m_rows.assign(size_t(rows), {});
    m_pending = std::move(pending);
    m_pendingRows = rows;
    m_origin.clear();
    m_raw.clear();
}

// Rows inserted or removed among pending ones: each row remembers which pending row it is.
void RowSet::keepOrigins() {
    if (!m_pending || !m_origin.empty())
        return;
    m_origin.resize(m_rows.size());
    for (size_t i = 0; i < m_origin.size(); ++i)
        m_origin[i] = i < size_t(m_pendingRows) ? int(i) : -1;
}

namespace {

// Rewrites :name placeholders into positional ones and collects the values in order. Quoted texts,
// quoted identifiers and comments are left alone, as is the "::" of a cast.
QString positional(const QString& sql, const QVariantHash& params, QVariantList& values) {
    QString out;
    out.reserve(sql.size());
    const int n = int(sql.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n - 1;
            out += sql.mid(i, j - i + 1);
            i = j;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
            out += QStringLiteral("::");
            ++i;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1).toLower();
            if (!params.contains(name))
                throw Error(QStringLiteral("Parâmetro sem valor: %1").arg(name));
            values.append(params.value(name));
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

QVariant bindable(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QDateTime:
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(boundDateTime(v.toDateTime()));
    case QMetaType::QDate:
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(storedDateTime(v.toDate().startOfDay()));
    case QMetaType::Bool: return v.toBool() ? 1 : 0;
    default: return v;
    }
}

// SQLite keeps date-times as text; hand them back as date-times as PostgreSQL does.
QVariant readable(const QVariant& v) {
    if (v.typeId() == QMetaType::QString) {
        const auto* s = static_cast<const QString*>(v.constData());
        if (s->size() == 19) {
            const QDateTime d = parseStoredDateTimeText(*s);
            if (d.isValid())
                return d;
        }
    }
    return v;
}

}  // namespace

// A PostgreSQL result kept whole, its rows read into values as they are asked for. The values are those the
// Qt driver gives, but for the fraction of a date-time, cut where the driver rounds.
struct PendingRows {
    enum class Kind : quint8 { Integer, Text, DateTime, LongLong, Double, Bool, Date };
    std::unique_ptr<PGresult, decltype(&PQclear)> result{nullptr, &PQclear};
    std::vector<Kind> kinds;

    // Every type, read as the Qt driver reads it (numbers with its default precision, as doubles); a type it
    // does not know is text.
    static Kind kindOf(Oid type) {
        switch (type) {
        case 21:
        case 23: return Kind::Integer;   // int2, int4
        case 20: return Kind::LongLong;  // int8
        case 700:
        case 701:
        case 1700: return Kind::Double;  // float4, float8, numeric
        case 16: return Kind::Bool;
        case 1082: return Kind::Date;
        case 1114:
        case 1184: return Kind::DateTime;  // timestamp, timestamptz
        default: return Kind::Text;
        }
    }
    static QMetaType::Type metaType(Kind kind) {
        switch (kind) {
        case Kind::Integer: return QMetaType::Int;
        case Kind::Text: return QMetaType::QString;
        case Kind::DateTime: return QMetaType::QDateTime;
        case Kind::LongLong: return QMetaType::LongLong;
        case Kind::Double: return QMetaType::Double;
        case Kind::Bool: return QMetaType::Bool;
        case Kind::Date: return QMetaType::QDate;
        }
        return QMetaType::QString;
    }

    static QVariant dateTime(const char* text, int size) {
        if (size == 19) {
            char16_t wide[19];
            for (int i = 0; i < 19; ++i)
                wide[i] = char16_t(static_cast<unsigned char>(text[i]));
            const QDateTime direct = parseStoredDateTimeText(QStringView(wide, 19));
            if (direct.isValid())
                return direct;
        }
        QString t = QString::fromLatin1(text, size);
        if (t.size() < 10)
            return QDateTime();
        const QChar sign = t[t.size() - 3];
        if (sign == QLatin1Char('-') || sign == QLatin1Char('+'))
            t += QLatin1String(":00");
        return QDateTime::fromString(withinMilliseconds(t), Qt::ISODate).toLocalTime();
    }

    // The stored fraction of a second cut to the milliseconds a date-time holds, never rounded: a stamp
    // of .9995 s stays in its second, as the guard of an edited row compares it (Qt would round it up).
    static QString withinMilliseconds(QString t) {
        const qsizetype dot = t.indexOf(QLatin1Char('.'), 19);
        if (dot < 0)
            return t;
        qsizetype end = dot + 1;
        while (end < t.size() && t[end].isDigit())
            ++end;
        if (end - dot > 4)
            t.remove(dot + 4, end - dot - 4);
        return t;
    }

    QVector<QVariant> read(int row) const {
        const int cols = int(kinds.size());
        QVector<QVariant> values(cols);
        PGresult* r = result.get();
        for (int c = 0; c < cols; ++c) {
            const Kind kind = kinds[size_t(c)];
            if (PQgetisnull(r, row, c)) {
                values[c] = QVariant(QMetaType(metaType(kind)));
                continue;
            }
            const char* text = PQgetvalue(r, row, c);
            const int size = PQgetlength(r, row, c);
            switch (kind) {
            case Kind::Integer: values[c] = std::atoi(text); break;
            case Kind::Text: values[c] = readable(QString::fromUtf8(text, size)); break;
            case Kind::DateTime: values[c] = dateTime(text, size); break;
            case Kind::LongLong: values[c] = QByteArray(text, size).toLongLong(); break;
            case Kind::Double: values[c] = QByteArray(text, size).toDouble(); break;
            case Kind::Bool: values[c] = text[0] == 't'; break;
            case Kind::Date: values[c] = QDate::fromString(QString::fromLatin1(text, size), Qt::ISODate); break;
            }
        }
        return values;
    }
};

void RowSet::appendRead(QVector<QVariant> values) {
    if (m_raw.empty())
        m_raw.assign(m_rows.size(), false);
    m_raw.push_back(true);
    m_rows.push_back(std::move(values));
}

void RowSet::settle(int i) const {
    for (QVariant& v : m_rows[size_t(i)])
        v = readable(v);
    m_raw[size_t(i)] = false;
}

void RowSet::read(int i) const {
    const int origin = m_origin.empty() ? i : m_origin[size_t(i)];
    if (origin >= 0 && origin < m_pendingRows)
        m_rows[size_t(i)] = m_pending->read(origin);
}

namespace {

// SQLite hands rows over one by one; PostgreSQL results are taken whole (as Qt's own models take them), which
// spares the driver a result object per row.
void readsAhead(QSqlQuery& q, const QSqlDatabase& database) {
    q.setForwardOnly(database.driver()->dbmsType() != QSqlDriver::PostgreSQL);
}

// Prepared statements kept per connection and text, from one connection epoch. Few statements run over and
// over (a register's select, its look-ups, its saves); past the limit the least used half goes.
struct StatementCache {
    static constexpr size_t kLimit = 64;
    struct Kept {
        std::unique_ptr<QSqlQuery> query;
        quint64 lastUse = 0;
    };
    std::map<std::pair<QString, QString>, Kept> kept;
    quint64 epoch = 0;
    quint64 uses = 0;

    // The kept statement for the text, prepared if new; null when none can be kept now.
    QSqlQuery* take(const QSqlDatabase& database, const QString& text) {
        if (epoch != connectionEpoch()) {
            // Stale statements are dropped outside transactions only: freeing one the server no longer knows
            // would fail and spoil the transaction on PostgreSQL.
            if (inTransaction())
                return nullptr;
            kept.clear();
            epoch = connectionEpoch();
        }
        const std::pair<QString, QString> key{database.connectionName(), text};
        auto found = kept.find(key);
        if (found == kept.end()) {
            if (kept.size() >= kLimit)
                dropLeastUsed();
            auto q = std::make_unique<QSqlQuery>(database);
            readsAhead(*q, database);
            if (!q->prepare(text))
                throwFailure(database, q->lastError());
            found = kept.emplace(key, Kept{std::move(q), 0}).first;
        }
        found->second.lastUse = ++uses;
        return found->second.query.get();
    }

    void dropLeastUsed() {
        std::vector<quint64> ages;
        for (const auto& entry : kept)
            ages.push_back(entry.second.lastUse);
        std::nth_element(ages.begin(), ages.begin() + ages.size() / 2, ages.end());
        const quint64 median = ages[ages.size() / 2];
        for (auto it = kept.begin(); it != kept.end();)
            it = it->second.lastUse <= median ? kept.erase(it) : std::next(it);
    }
};

StatementCache& statements() {
    static auto* cache = [] {
        auto* made = new StatementCache;  // never destroyed after the connections are gone
        beforeEachNewEpoch([made] { made->kept.clear(); });
        return made;
    }();
    return *cache;
}

// A PostgreSQL result, copied whole to be read row by row as asked for; null for any other result.
std::shared_ptr<const PendingRows> pendingRows(const QSqlQuery& q) {
    if (q.isForwardOnly())
        return nullptr;
    const QVariant handle = q.result()->handle();
    // The driver names the handle after libpq's struct.
    if (qstrcmp(handle.typeName(), "pg_result*") != 0 && qstrcmp(handle.typeName(), "PGresult*") != 0)
        return nullptr;
    PGresult* result = *static_cast<PGresult* const*>(handle.constData());
    if (!result || PQresultStatus(result) != PGRES_TUPLES_OK)
        return nullptr;
    auto pending = std::make_shared<PendingRows>();
    for (int c = 0; c < PQnfields(result); ++c)
        pending->kinds.push_back(PendingRows::kindOf(PQftype(result, c)));
    pending->result.reset(PQcopyResult(result, PG_COPYRES_ATTRS | PG_COPYRES_TUPLES));
    return pending->result ? pending : nullptr;
}

RowSet readRows(QSqlQuery& q, int* affected) {
    RowSet rows;
    if (q.isSelect()) {
        if (auto pending = pendingRows(q)) {
            PGresult* result = pending->result.get();
            QStringList names;
            for (int i = 0; i < PQnfields(result); ++i)
                names << QString::fromUtf8(PQfname(result, i));
            rows.setFields(names);
            rows.setPending(std::move(pending), PQntuples(result));
        } else {
            const QSqlRecord rec = q.record();
            QStringList names;
            for (int i = 0; i < rec.count(); ++i)
                names << rec.fieldName(i);
            rows.setFields(names);
            const int cols = int(names.size());
            while (q.next()) {
                QVector<QVariant> r(cols);
                for (int i = 0; i < cols; ++i)
                    r[i] = q.value(i);
                rows.appendRead(std::move(r));
            }
        }
    }
    if (affected)
        *affected = q.numRowsAffected();
    return rows;
}

}  // namespace

namespace {
std::function<void(const QString&, const QString&, const QVariantHash&)> g_observer;
}

void setStatementObserver(std::function<void(const QString&, const QString&, const QVariantHash&)> observer) {
    g_observer = std::move(observer);
}

void requireAffected(int affected) {
    if (affected == 0)
        throw Error(kRegistroAlterado, Error::Kind::RowChanged);
}

RowSet run(const QString& connectionName, const QString& sql, const QVariantHash& params, int* affected) {
    if (g_observer)
        g_observer(connectionName, sql, params);
    QSqlDatabase database = connection(connectionName);
    QVariantList values;
    const QString text = positional(sql, params, values);
    if (values.isEmpty()) {
        // Statements without values run as they are (PostgreSQL prepares only queries and DML).
        QSqlQuery q(database);
        readsAhead(q, database);
        if (!q.exec(text))
            throwFailure(database, q.lastError());
        return readRows(q, affected);
    }
    QSqlQuery* kept = statements().take(database, text);
    std::unique_ptr<QSqlQuery> once;
    if (!kept) {
        once = std::make_unique<QSqlQuery>(database);
        readsAhead(*once, database);
        if (!once->prepare(text))
            throwFailure(database, once->lastError());
    }
    QSqlQuery& q = kept ? *kept : *once;
    // A kept statement holds no cursor (nor SQLite's read lock) between runs.
    struct Finish {
        QSqlQuery& q;
        ~Finish() { q.finish(); }
    } finish{q};
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, bindable(values[i]));
    if (!q.exec())
        throwFailure(database, q.lastError());
    return readRows(q, affected);
}

namespace {

// SQLite: the statement stepped a batch at a time, on a query of its own (the kept ones are shared).
class SqliteCursor : public Cursor {
public:
    SqliteCursor(QSqlDatabase database, const QString& text, const QVariantList& values, RowSet& rows)
        : m_database(database), m_query(database) {
        m_query.setForwardOnly(true);
        if (!m_query.prepare(text))
            throwFailure(m_database, m_query.lastError());
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, bindable(values[i]));
        if (!m_query.exec())
            throwFailure(m_database, m_query.lastError());
        const QSqlRecord rec = m_query.record();
        QStringList names;
        for (int i = 0; i < rec.count(); ++i)
            names << rec.fieldName(i);
        rows.setFields(names);
    }

    bool fetch(RowSet& rows, int row) override {
        if (m_ended)
            return true;
        const int cols = int(rows.fields().size());
        while (rows.count() <= row) {
            if (!m_query.next()) {
                // A statement that failed half-way (a rollback ends SQLite's reading ones) is no end of rows.
                const QSqlError error = m_query.lastError();
                m_query.finish();
                m_ended = true;
                if (error.isValid())
                    throwFailure(m_database, error);
                return true;
            }
            QVector<QVariant> r(cols);
            for (int i = 0; i < cols; ++i)
                r[i] = m_query.value(i);
            rows.appendRead(std::move(r));
        }
        return false;
    }

private:
    QSqlDatabase m_database;
    QSqlQuery m_query;
    bool m_ended = false;
};

// PostgreSQL: the result as libpq received it, owned by the rows that read it; no statement stays prepared.
class PostgresCursor : public Cursor {
public:
    bool fetch(RowSet&, int) override { return true; }
};

// A statement for libpq: its positional markers as the server writes them ($1, $2...) and its values as text.
struct PostgresStatement {
    QByteArray text;
    std::vector<QByteArray> values;
    std::vector<const char*> pointers;  // null for a null value

    PostgresStatement(const QString& sql, const QVariantList& bound)
        : values(size_t(bound.size())), pointers(size_t(bound.size()), nullptr) {
        for (int i = 0; i < bound.size(); ++i) {
            const QVariant v = bindable(bound[i]);
            if (v.isNull())
                continue;
            values[size_t(i)] =
                v.typeId() == QMetaType::Double ? QByteArray::number(v.toDouble(), 'g', 17) : v.toString().toUtf8();
            pointers[size_t(i)] = values[size_t(i)].constData();
        }
        QString numbered;
        int n = 0;
        bool quoted = false;
        for (QChar c : sql) {
            quoted = quoted != (c == QLatin1Char('\''));
            numbered += !quoted && c == QLatin1Char('?') ? QStringLiteral("$%1").arg(++n) : QString(c);
        }
        text = numbered.toUtf8();
    }
    int count() const { return int(pointers.size()); }
};

// The server's refusal of a statement (or the connection's failure), as our error.
[[noreturn]] void throwPostgresFailure(QSqlDatabase database, PGconn* connection, const PGresult* result) {
    const QString message = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(connection));
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    throwFailure(database, QSqlError(QString(), message.trimmed(), QSqlError::StatementError,
                                     QString::fromLatin1(state ? state : "")));
}

// The libpq connection under `database`; our error where the driver does not give it.
PGconn* libpqConnection(const QSqlDatabase& database) {
    PGconn* connection = postgresConnection(database);
    if (!connection)
        throw Error(QStringLiteral("O driver PostgreSQL não expõe a conexão."));
    return connection;
}

// The names and kinds of a result's columns.
QStringList takeColumns(const PGresult* result, PendingRows& rows) {
    QStringList names;
    rows.kinds.clear();
    for (int c = 0; c < PQnfields(result); ++c) {
        names << QString::fromUtf8(PQfname(result, c));
        rows.kinds.push_back(PendingRows::kindOf(PQftype(result, c)));
    }
    return names;
}

void readWhole(QSqlDatabase database, const QString& text, const QVariantList& values, RowSet& rows) {
    PGconn* connection = libpqConnection(database);
    const PostgresStatement statement(text, values);
    auto pending = std::make_shared<PendingRows>();
    pending->result.reset(PQexecParams(connection, statement.text.constData(), statement.count(), nullptr,
                                       statement.pointers.data(), nullptr, nullptr, 0));
    PGresult* result = pending->result.get();
    if (!result || PQresultStatus(result) != PGRES_TUPLES_OK)
        throwPostgresFailure(database, connection, result);
    rows.setFields(takeColumns(result, *pending));
    rows.setPending(std::move(pending), PQntuples(result));
}

// Throws away what the server still sends of the statement under way, asking it first to stop computing it;
// inside a transaction, whose work a cancelled statement would spoil, the rest is read and dropped instead.
void endEarly(PGconn* connection, bool inTransaction) {
    if (!inTransaction) {
        if (PGcancel* cancel = PQgetCancel(connection)) {
            char error[256];
            PQcancel(cancel, error, sizeof error);
            PQfreeCancel(cancel);
        }
    }
    while (PGresult* rest = PQgetResult(connection))
        PQclear(rest);
}

// PostgreSQL: the rows one at a time as the server sends them (libpq's single-row mode), never the whole result
// in the client. The connection runs nothing else meanwhile: a statement run on it from `each` would take the
// rest of the rows with it, and the reading fails rather than end short.
void streamRows(QSqlDatabase database, const QString& text, const QVariantList& values,
                const std::function<void(const QStringList&, const QVector<QVariant>&)>& each) {
    PGconn* connection = libpqConnection(database);
    const PostgresStatement statement(text, values);
    const bool inTransaction = PQtransactionStatus(connection) == PQTRANS_INTRANS;
    if (!PQsendQueryParams(connection, statement.text.constData(), statement.count(), nullptr,
                           statement.pointers.data(), nullptr, nullptr, 0))
        throwPostgresFailure(database, connection, nullptr);
    PQsetSingleRowMode(connection);
    PendingRows row;
    QStringList fields;
    bool ended = false;
    try {
        while (PGresult* result = PQgetResult(connection)) {
            row.result.reset(result);
            const ExecStatusType status = PQresultStatus(result);
            if (status != PGRES_SINGLE_TUPLE && status != PGRES_TUPLES_OK) {
                const PendingRows refused = std::move(row);
                while (PGresult* rest = PQgetResult(connection))
                    PQclear(rest);
                throwPostgresFailure(database, connection, refused.result.get());
            }
            if (fields.isEmpty())
                fields = takeColumns(result, row);
            if (status == PGRES_TUPLES_OK)
                ended = true;  // the end of the rows, which none follow
            else
                each(fields, row.read(0));
        }
    } catch (...) {
        row.result.reset();
        endEarly(connection, inTransaction);
        throw;
    }
    if (!ended) {
        if (PQstatus(connection) != CONNECTION_OK)
            throwPostgresFailure(database, connection, nullptr);
        throw Error(QStringLiteral("A leitura das linhas foi interrompida por outra instrução na mesma conexão."));
    }
}

}  // namespace

std::unique_ptr<Cursor> openCursor(const QString& connectionName, const QString& sql, const QVariantHash& params,
                                   RowSet& rows) {
    if (g_observer)
        g_observer(connectionName, sql, params);
    QSqlDatabase database = connection(connectionName);
    QVariantList values;
    const QString text = positional(sql, params, values);
    rows.clear();
    if (database.driver()->dbmsType() == QSqlDriver::PostgreSQL) {
        readWhole(database, text, values, rows);
        return std::make_unique<PostgresCursor>();
    }
    return std::make_unique<SqliteCursor>(database, text, values, rows);
}

void forEachRow(const QString& connectionName, const QString& sql, const QVariantHash& params,
                const std::function<void(const QStringList& fields, const QVector<QVariant>& row)>& each) {
    if (g_observer)
        g_observer(connectionName, sql, params);
    QSqlDatabase database = connection(connectionName);
    QVariantList values;
    const QString text = positional(sql, params, values);
    if (database.driver()->dbmsType() == QSqlDriver::PostgreSQL) {
        streamRows(database, text, values, each);
        return;
    }
    // SQLite steps the statement a row at a time.
    QSqlQuery q(database);
    q.setForwardOnly(true);
    if (!q.prepare(text))
        throwFailure(database, q.lastError());
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, bindable(values[i]));
    if (!q.exec())
        throwFailure(database, q.lastError());
    const QSqlRecord rec = q.record();
    QStringList fields;
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i);
    QVector<QVariant> row(fields.size());
    while (q.next()) {
        for (int i = 0; i < row.size(); ++i)
            row[i] = readable(q.value(i));
        each(fields, row);
    }
    if (q.lastError().isValid())
        throwFailure(database, q.lastError());
}

Query::Query(QString connectionName) : m_connection(std::move(connectionName)) {}

Query& Query::add(const QString& line) {
    m_lines << line;
    return *this;
}

void Query::clear() {
    m_lines.clear();
    m_params.clear();
    close();
}

void Query::setSql(const QString& text) { m_lines = QStringList{text}; }

Query& Query::bind(const QString& name, const QVariant& value) {
    QString key = name.trimmed().toLower();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    m_params.insert(key, value);
    return *this;
}

Query& Query::bind(const QVariantHash& values) {
    for (auto it = values.begin(); it != values.end(); ++it)
        bind(it.key(), it.value());
    return *this;
}

Query& Query::andWhere(const Condition& condition) {
    add(QStringLiteral(" and ") + condition.sql);
    return bind(condition.values);
}

void Query::open() {
    close();
    m_rows = run(m_connection, text(), m_params);
    m_row = 0;
    m_active = true;
}

int Query::exec() {
    close();
    int affected = 0;
    m_rows = run(m_connection, text(), m_params, &affected);
    m_row = 0;
    m_active = m_rows.fields().size() > 0;
    return affected;
}

void Query::close() {
    m_rows.clear();
    m_row = 0;
    m_active = false;
}

QVariant Query::value(const QString& field) const { return value(m_row, field); }

QVariant Query::value(int row, const QString& field) const {
    const int col = m_rows.indexOrThrow(field);
    if (row < 0 || row >= m_rows.count())
        return {};
    return m_rows.row(row)[col];
}

QString Query::str(const QString& field) const { return toText(value(field)); }
int Query::integer(const QString& field) const { return toInt(value(field)); }
double Query::number(const QString& field) const { return toNumber(value(field)); }
QDateTime Query::dateTime(const QString& field) const { return toDateTime(value(field)); }

QString toText(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.typeId() == QMetaType::Double) {
        QString s = QString::number(v.toDouble(), 'g', 15);
        return s.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return v.toString();
}

int toInt(const QVariant& v) {
    if (v.isNull())
        return 0;
    bool ok = false;
    const int i = v.toString().trimmed().toInt(&ok);
    if (ok)
        return i;
    return int(v.toDouble());
}

double toNumber(const QVariant& v) {
    if (v.isNull())
        return 0.0;
    if (v.typeId() == QMetaType::QString) {
        QString s = v.toString().trimmed();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        return s.toDouble();
    }
    return v.toDouble();
}

QDateTime toDateTime(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    return parseStoredDateTime(v.toString());
}

}  // namespace db
