// SPDX-License-Identifier: GPL-3.0-or-later
// The insert of a new row, and the guarded update and delete of a row read, generated from its table's description.
#include "platform/db/EditedRow.h"

#include "platform/db/Keys.h"

namespace db {

namespace {

bool isDateTime(const QVariant& v) {
    return !v.isNull() && (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate);
}

QString oldName(const QString& column) { return QStringLiteral("old_") + column.toLower(); }

// The condition that `column` still holds the value read, bound as old_<column>. A date-time was read to the
// millisecond, a finer fraction stored by another system cut, never rounded: the column holds it still while
// it reads the same, whatever finer fraction it has.
QString unchanged(const QString& column, const QVariant& read, QVariantHash& params) {
    const QString old = oldName(column);
    if (!isDateTime(read)) {
        params.insert(old, read);
        return QStringLiteral("%1 is not distinct from :%2").arg(column, old);
    }
    const QDateTime value = toDateTime(read);
    params.insert(old + QStringLiteral("_from"), value);
    params.insert(old + QStringLiteral("_to"), value.addMSecs(1));
    return QStringLiteral("%1 >= :%2_from and %1 < :%2_to").arg(column, old);
}

// "where <key> = :old_<key> and (<condition>) and (<guard>)": the row found by its key as read, while it holds
// what was read in Modificado_Em and each of `compared` that `read` has.
QString whereUnchanged(const EditedRow& row, QStringList compared, QVariantHash& params) {
    const RowValues read = lowered(row.read);
    QStringList where;
    for (const QString& k : row.table.key) {
        const bool one = row.table.key.size() == 1 && row.key.isValid();
        params.insert(oldName(k), one ? row.key : read.value(k.toLower()));
        where << QStringLiteral("%1 = :%2").arg(k, oldName(k));
    }
    if (!row.condition.sql.isEmpty()) {
        where << QLatin1Char('(') + row.condition.sql + QLatin1Char(')');
        params.insert(row.condition.values);
    }
    compared.prepend(kModificadoEm);
    QStringList guard;
    QStringList seen;
    for (const QString& column : std::as_const(compared)) {
        const QString name = column.toLower();
        if (seen.contains(name) || !read.contains(name) || row.table.key.contains(column, Qt::CaseInsensitive))
            continue;
        seen << name;
        guard << unchanged(column, read.value(name), params);
    }
    if (!guard.isEmpty())
        where << QLatin1Char('(') + guard.join(QStringLiteral(" and ")) + QLatin1Char(')');
    return QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
}

// The columns an update sets: those the row names, with the stamp's where it has one, or the whole row.
QStringList updatedColumns(const EditedRow& row) {
    const Table& t = row.table;
    if (row.columns.isEmpty())
        return (t.updatesKey ? t.key : QStringList{}) + t.columns + auditColumns(t);
    QStringList columns = row.columns;
    if (row.stamp && t.audit == Audit::Full)
        for (const QString& c : {kModificadoPor, kModificadoEm})
            if (!columns.contains(c, Qt::CaseInsensitive))
                columns << c;
    return columns;
}

void runAffectingOne(const Statement& s) {
    int affected = 0;
    run(kMain, s.sql, s.params, &affected);
    requireAffected(affected);
}

}  // namespace

RowValues rowValues(const RowSet& rows, int row) {
    RowValues values;
    for (int c = 0; c < rows.fields().size(); ++c)
        values.insert(rows.fields()[c].toLower(), rows.row(row)[c]);
    return values;
}

Statement updateStatement(const EditedRow& row) {
    const RowValues values = row.stamp ? stamped(row.table, row.typed, Write::Update, *row.stamp) : lowered(row.typed);
    const QStringList columns = updatedColumns(row);
    Statement s;
    QStringList sets;
    for (const QString& column : columns) {
        const QString name = column.toLower();
        sets << QStringLiteral("%1 = :%2").arg(column, name);
        s.params.insert(name, values.value(name));
    }
    // Table and columns come from the descriptions in the code, never from what is typed.
    s.sql = QStringLiteral("update %1 set %2").arg(row.table.name, sets.join(QStringLiteral(", "))) +
            whereUnchanged(row, columns + row.alsoCompared, s.params);
    return s;
}

Statement deleteStatement(const EditedRow& row) {
    Statement s;
    s.sql = QStringLiteral("delete from %1").arg(row.table.name) +
            whereUnchanged(row, row.table.columns + auditColumns(row.table) + row.alsoCompared, s.params);
    return s;
}

int insertRow(const Table& table, const RowValues& values, const std::optional<Stamp>& stamp) {
    RowValues row = stamp ? stamped(table, values, Write::Insert, *stamp) : lowered(values);
    const QString key = table.keyColumn().toLower();
    const auto insert = [&] {
        const Statement s = insertStatement(table, row);
        return run(kMain, s.sql, s.params);
    };
    if (table.newKey == NewKey::Server) {
        const RowSet returned = insert();
        return returned.count() ? toInt(returned.row(0)[0]) : 0;
    }
    if (table.newKey == NewKey::Client && row.value(key).isNull())
        return insertWithNewKey(table.name, table.keyColumn(), [&](int made) {
            row.insert(key, made);
            insert();
        });
    insert();
    return toInt(row.value(key));
}

void updateRow(const EditedRow& row) { runAffectingOne(updateStatement(row)); }

void deleteRow(const EditedRow& row) { runAffectingOne(deleteStatement(row)); }

QList<RowValues> readRows(const Table& table, const QString& condition, const QVariantHash& params) {
    // Table and condition come from the caller's code, never from typing.
    const RowSet rows = run(kMain, QStringLiteral(" select * from %1 where %2 ").arg(table.name, condition), params);
    QList<RowValues> out;
    for (int r = 0; r < rows.count(); ++r)
        out.append(rowValues(rows, r));
    return out;
}

void deleteRowsAsRead(const Table& table, const QString& condition, const QVariantHash& params,
                      const QList<RowValues>& read) {
    for (const RowValues& row : read)
        deleteRow({.table = table, .read = row, .alsoCompared = row.keys()});
    const RowSet left =
        run(kMain, QStringLiteral(" select count(*) from %1 where %2 ").arg(table.name, condition), params);
    if (left.count() && toInt(left.row(0)[0]) > 0)
        throw Error(kRegistroAlterado, Error::Kind::RowChanged);
}

}  // namespace db
