// SPDX-License-Identifier: GPL-3.0-or-later
// The registers' shared statements; every value travels as a parameter.
#include "common/register/RegisterSql.h"

#include "platform/db/Query.h"
#include "platform/db/Search.h"

#include <QRegularExpression>

namespace registersql {

QString withOrderBy(const QString& sql, const QString& field) {
    static const QRegularExpression order(QStringLiteral("\\border\\b"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = order.match(sql);
    QString head = found.hasMatch() ? sql.left(found.capturedStart()) : sql;
    if (!head.isEmpty() && !head.back().isSpace())
        head += QLatin1Char(' ');
    return head + QStringLiteral("order by ") + field;
}

QString selectAll(const QString& table) { return QStringLiteral("select * from %1 ").arg(table); }

QString selectNone(const QString& table) { return selectAll(table) + QStringLiteral(" where 1=2 "); }

void selectKey(db::DataSet& data, const QString& table, const QString& keyField, const QVariant& key) {
    data.setSql(QStringLiteral(" select * from %1 where %2 = :key ").arg(table, keyField));
    data.query().bind(QStringLiteral("key"), key);
    data.open();
}

bool isReferenced(const QString& table, const QString& column, const QVariant& key) {
    db::Query q;
    q << QStringLiteral(" select %1 from %2 ").arg(column, table) << QStringLiteral(" where %1 = :key ").arg(column)
      << QStringLiteral(" limit 1 ");
    q.bind(QStringLiteral("key"), key);
    q.open();
    return !q.isEmpty();
}

void addCodeOrNameFilter(db::Query& select, bool byCode, const QString& text, const QString& keyColumn,
                         const QString& nameColumn) {
    if (byCode) {
        bool number = false;
        const int code = text.trimmed().toInt(&number);
        select << QStringLiteral(" where %1 = :codigo ").arg(keyColumn);
        select.bind(QStringLiteral("codigo"), number ? QVariant(code) : QVariant());
    } else {
        select << QStringLiteral(" where 1=1 ");
        select.andWhere(db::foldedPrefix(nameColumn, QStringLiteral("texto"), text));
    }
    // In key order on both engines (an index on the names would give them in name order).
    select << QStringLiteral(" order by %1 ").arg(keyColumn);
}

}  // namespace registersql
