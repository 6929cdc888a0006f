#include "platform/db/Query.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
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
                    if (j + 1 < n && sql[j + 1] == c) { j += 2; continue; }
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
            if (j < 0) j = n - 1;
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
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(storedDateTime(v.toDateTime()));
    case QMetaType::QDate:
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString))
                          : QVariant(storedDateTime(v.toDate().startOfDay()));
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    default:
        return v;
    }
}

// SQLite keeps date-times as text; hand them back as date-times as PostgreSQL does. A local date-time costs
// microseconds to make, so the values already made for a result are kept in `made` by their text.
QVariant readable(QVariant v, QHash<QString, QVariant>& made) {
    if (v.typeId() == QMetaType::QString) {
        const auto* s = static_cast<const QString*>(v.constData());
        if (s->size() == 19) {
            if (const auto found = made.constFind(*s); found != made.cend())
                return *found;
            const QDateTime d = parseStoredDateTimeText(*s);
            if (d.isValid())
                return *made.insert(*s, d);
        }
    }
    return v;
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
            q->setForwardOnly(true);
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
    static auto* cache = new StatementCache;  // never destroyed after the connections are gone
    return *cache;
}

RowSet readRows(QSqlQuery& q, int* affected) {
    RowSet rows;
    if (q.isSelect()) {
        const QSqlRecord rec = q.record();
        QStringList names;
        for (int i = 0; i < rec.count(); ++i)
            names << rec.fieldName(i);
        rows.setFields(names);
        const int cols = int(names.size());
        QHash<QString, QVariant> made;
        while (q.next()) {
            QVector<QVariant> r(cols);
            for (int i = 0; i < cols; ++i)
                r[i] = readable(q.value(i), made);
            rows.append(std::move(r));
        }
    }
    if (affected)
        *affected = q.numRowsAffected();
    return rows;
}

}  // namespace

void forgetPreparedStatements() { statements().kept.clear(); }

void requireAffected(int affected) {
    if (affected == 0)
        throw Error(kRegistroAlterado, Error::Kind::RowChanged);
}

RowSet run(const QString& connectionName, const QString& sql, const QVariantHash& params, int* affected) {
    QSqlDatabase database = connection(connectionName);
    QVariantList values;
    const QString text = positional(sql, params, values);
    if (values.isEmpty()) {
        // Statements without values run as they are (PostgreSQL prepares only queries and DML).
        QSqlQuery q(database);
        q.setForwardOnly(true);
        if (!q.exec(text))
            throwFailure(database, q.lastError());
        return readRows(q, affected);
    }
    QSqlQuery* kept = statements().take(database, text);
    std::unique_ptr<QSqlQuery> once;
    if (!kept) {
        once = std::make_unique<QSqlQuery>(database);
        once->setForwardOnly(true);
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

void Query::setSql(const QString& text) {
    m_lines = QStringList{text};
}

Query& Query::bind(const QString& name, const QVariant& value) {
    QString key = name.trimmed().toLower();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    m_params.insert(key, value);
    return *this;
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
