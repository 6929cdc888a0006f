// SPDX-License-Identifier: GPL-3.0-or-later
// The guarded update and delete of an edited row, and the guard added to a hand-written modify statement.
#include "platform/db/EditedRow.h"

#include "platform/db/DataSet.h"
#include "platform/db/Query.h"

#include <QRegularExpression>

namespace db {

namespace {

// Spans of `sql` outside quoted text and parentheses, split at the top-level commas between `from` and `to`.
QStringList topLevelItems(const QString& sql, int from, int to) {
    QStringList items;
    int depth = 0;
    int start = from;
    for (int i = from; i < to; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            for (++i; i < to && sql[i] != c; ++i) {
            }
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (c == QLatin1Char(',') && depth == 0) {
            items << sql.mid(start, i - start);
            start = i + 1;
        }
    }
    items << sql.mid(start, to - start);
    return items;
}

// Where a keyword stands outside quoted text and parentheses, from `from` on; -1 when it does not.
int topLevelWord(const QString& sql, const QString& word, int from) {
    static const auto isWordChar = [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char(':');
    };
    int depth = 0;
    for (int i = from; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            for (++i; i < sql.size() && sql[i] != c; ++i) {
            }
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && QStringView(sql).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
                   (i == 0 || !isWordChar(sql[i - 1])) &&
                   (i + word.size() >= sql.size() || !isWordChar(sql[i + word.size()]))) {
            return i;
        }
    }
    return -1;
}

bool isDateTime(const QVariant& v) {
    return !v.isNull() && (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate);
}

// The condition that `column` still holds the old value of `param`. A date-time was read to the millisecond,
// a finer fraction stored by another system cut, never rounded: the column holds it still while it reads
// the same, whatever finer fraction it has.
QString unchanged(const QString& column, const QString& param, QVariantHash& params) {
    const QString old = QStringLiteral("old_") + param.toLower();
    const QVariant value = params.value(old);
    if (!isDateTime(value))
        return QStringLiteral("%1 is not distinct from :%2").arg(column, old);
    const QDateTime read = toDateTime(value);
    params.insert(old + QStringLiteral("_from"), read);
    params.insert(old + QStringLiteral("_to"), read.addMSecs(1));
    return QStringLiteral("%1 >= :%2_from and %1 < :%2_to").arg(column, old);
}

QVariantHash lowerKeys(const RowValues& values, const QString& prefix = {}) {
    QVariantHash out;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        out.insert(prefix + it.key().toLower(), it.value());
    return out;
}

}  // namespace

RowValues typedValues(const DataSet& data) {
    RowValues values;
    for (const QString& name : data.fieldNames())
        values.insert(name.toLower(), data.field(name));
    return values;
}

RowValues rowValues(const RowSet& rows, int row) {
    RowValues values;
    for (int c = 0; c < rows.fields().size(); ++c)
        values.insert(rows.fields()[c].toLower(), rows.row(row)[c]);
    return values;
}

RowValues readValues(const DataSet& data) {
    RowValues values;
    if (data.state() == DataSet::State::Insert)
        return values;
    for (const QString& name : data.fieldNames())
        values.insert(name.toLower(), data.oldField(name));
    return values;
}

QString modifySql(const QString& table, const QStringList& columns, const QString& keyColumn) {
    QStringList sets;
    for (const QString& c : columns)
        sets << QStringLiteral("%1 = :%1").arg(c);
    return QStringLiteral(" update %1 set %2 where %3 = :OLD_%3 ")
        .arg(table, sets.join(QStringLiteral(", ")), keyColumn);
}

QList<Assignment> assignments(const QString& updateSql) {
    QList<Assignment> out;
    const int set = topLevelWord(updateSql, QStringLiteral("set"), 0);
    if (set < 0)
        return out;
    int end = topLevelWord(updateSql, QStringLiteral("where"), set);
    if (end < 0)
        end = int(updateSql.size());
    static const QRegularExpression item(QRegularExpression::anchoredPattern(
        QStringLiteral("\\s*([A-Za-z_][A-Za-z0-9_.]*)\\s*=\\s*:([A-Za-z_][A-Za-z0-9_]*)\\s*")));
    for (const QString& text : topLevelItems(updateSql, set + 3, end)) {
        const QRegularExpressionMatch m = item.match(text);
        if (m.hasMatch())
            out.append({m.captured(1), m.captured(2)});
    }
    return out;
}

QString guarded(const QString& sql, QVariantHash& params, const QStringList& alsoCompared) {
    QList<Assignment> compared{{QStringLiteral("Modificado_Em"), QStringLiteral("Modificado_Em")}};
    for (const QString& c : alsoCompared)
        compared.append({c, c});
    compared += assignments(sql);
    QStringList conditions;
    QStringList seen;
    for (const Assignment& a : std::as_const(compared)) {
        if (seen.contains(a.column, Qt::CaseInsensitive) ||
            !params.contains(QStringLiteral("old_") + a.param.toLower()))
            continue;
        seen << a.column;
        conditions << unchanged(a.column, a.param, params);
    }
    if (conditions.isEmpty())
        return sql;
    return withCondition(sql, QLatin1Char('(') + conditions.join(QStringLiteral(" and ")) + QLatin1Char(')'));
}

void runGuarded(const QString& sql, QVariantHash params, const RowValues& read, const QStringList& alsoCompared,
                const QString& connection) {
    for (auto it = read.cbegin(); it != read.cend(); ++it) {
        const QString old = QStringLiteral("old_") + it.key().toLower();
        if (!params.contains(old))
            params.insert(old, it.value());
    }
    const QString text = guarded(sql, params, alsoCompared);
    int affected = 0;
    run(connection, text, params, &affected);
    requireAffected(affected);
}

namespace {

void runRow(const QString& sql, const EditedRow& row, const QStringList& alsoCompared, const QString& connection) {
    QVariantHash params = lowerKeys(row.typed);
    params.insert(QStringLiteral("old_") + row.keyColumn.toLower(), row.key);
    runGuarded(sql, params, row.read, alsoCompared, connection);
}

}  // namespace

QList<RowValues> readRows(const QString& table, const QString& condition, const QVariantHash& params,
                          const QString& connection) {
    // Table and condition come from the caller's code, never from typing.
    const RowSet rows = run(connection, QStringLiteral(" select * from %1 where %2 ").arg(table, condition), params);
    QList<RowValues> out;
    for (int r = 0; r < rows.count(); ++r)
        out.append(rowValues(rows, r));
    return out;
}

void deleteRowsAsRead(const QString& table, const QStringList& keyColumns, const QString& condition,
                      const QVariantHash& params, const QList<RowValues>& read, const QString& connection) {
    QStringList byKey;
    for (const QString& k : keyColumns)
        byKey << QStringLiteral("%1 = :key_%2").arg(k, k.toLower());
    const QString remove = QStringLiteral(" delete from %1 where %2 ").arg(table, byKey.join(QStringLiteral(" and ")));
    for (const RowValues& row : read) {
        QVariantHash keys;
        for (const QString& k : keyColumns)
            keys.insert(QStringLiteral("key_") + k.toLower(), row.value(k.toLower()));
        runGuarded(remove, keys, row, row.keys(), connection);
    }
    const RowSet left =
        run(connection, QStringLiteral(" select count(*) from %1 where %2 ").arg(table, condition), params);
    if (left.count() && toInt(left.row(0)[0]) > 0)
        throw Error(kRegistroAlterado, Error::Kind::RowChanged);
}

void updateRow(const EditedRow& row, const QString& connection) {
    runRow(modifySql(row.table, row.columns, row.keyColumn), row, {}, connection);
}

void deleteRow(const EditedRow& row, const QString& connection) {
    runRow(QStringLiteral(" delete from %1 where %2 = :OLD_%2 ").arg(row.table, row.keyColumn), row, row.columns,
           connection);
}

}  // namespace db
