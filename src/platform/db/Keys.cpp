// SPDX-License-Identifier: GPL-3.0-or-later
// Client keys as the highest plus one and unique values, each held for the saving transaction.
#include "platform/db/Keys.h"

#include "platform/db/Query.h"

namespace db {

namespace {

void requireTransaction() {
    if (!inTransaction())
        throw Error(QStringLiteral("Uma chave nova só pode ser lida dentro da transação que grava."));
}

void advisoryLock(const QString& kind, const QString& value) {
    if (engine() != Engine::PostgreSQL)
        return;
    run(kMain, QStringLiteral(" select pg_advisory_xact_lock(hashtext(:kind), hashtext(:value)) "),
        {{QStringLiteral("kind"), kind}, {QStringLiteral("value"), value}});
}

}  // namespace

int nextKey(const QString& table, const QString& column) { return nextKey(table, column, {}, {}); }

int nextKey(const QString& table, const QString& column, const QString& condition, const QVariantHash& params) {
    requireTransaction();
    advisoryLock(QStringLiteral("nextKey"), table.toLower());
    // Table and column names come from the caller's code, never from typing.
    QString sql = QStringLiteral(" select max(%1) from %2 ").arg(column, table);
    if (!condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    const RowSet rows = run(kMain, sql, params);
    return (rows.count() ? toInt(rows.row(0)[0]) : 0) + 1;
}

int insertWithNewKey(const QString& table, const QString& column, const std::function<void(int key)>& insert) {
    return insertWithNewKey(
        column, [&] { return nextKey(table, column); }, insert);
}

int insertWithNewKey(const QString& column, const std::function<int()>& newKey,
                     const std::function<void(int key)>& insert) {
    requireTransaction();
    for (int attempt = 0;; ++attempt) {
        const int key = newKey();
        run(kMain, QStringLiteral("savepoint nurv_new_key"), {});
        try {
            insert(key);
        } catch (const Error& e) {
            // A failed insert leaves the transaction as it was before it (PostgreSQL would refuse the rest).
            if (e.kind() != Error::Kind::ConnectionLost)
                run(kMain, QStringLiteral("rollback to savepoint nurv_new_key"), {});
            // Both engines name the column of a repeated key in their text.
            if (e.kind() != Error::Kind::KeyConflict || !e.detail().contains(column, Qt::CaseInsensitive))
                throw;
            if (attempt > 0)
                throw Error(kRegistroAlterado, Error::Kind::RowChanged);
            continue;
        }
        run(kMain, QStringLiteral("release savepoint nurv_new_key"), {});
        return key;
    }
}

void holdValue(const QString& kind, const QString& value) {
    requireTransaction();
    if (!value.trimmed().isEmpty())
        advisoryLock(kind, value);
}

void holdRow(const QString& table, const QString& keyColumn, const QVariant& key) {
    requireTransaction();
    int affected = 0;
    // Table and column come from the caller's code, never from what is typed.
    run(kMain, QStringLiteral("update %1 set %2 = %2 where %2 = :key").arg(table, keyColumn),
        {{QStringLiteral("key"), key}}, &affected);
    requireAffected(affected);
}

}  // namespace db
