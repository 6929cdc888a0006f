// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys made by the client and values that must stay unique, under many workstations at once: both are read
// inside the saving transaction while no other workstation's save can read the same.

#include "platform/db/Database.h"

#include <QVariantHash>
#include <functional>

namespace db {

// Inside the saving transaction: the highest `column` of `table` plus one (1 for an empty table); with a
// condition ("id_profissional = :id" and its values), the highest among those rows. PostgreSQL first takes a
// transaction-scoped advisory lock of the table, so another workstation's key waits for this transaction to
// end; on SQLite the transaction itself, begun immediate, keeps every other writer out.
int nextKey(const QString& table, const QString& column);
int nextKey(const QString& table, const QString& column, const QString& condition, const QVariantHash& params);

// Inside the saving transaction: runs `insert` with a key from nextKey(). A key that is taken all the same (a
// row the outside system inserted without the lock) is tried once more with the next one; a second conflict
// throws kRegistroAlterado. A repeated value of another column is no key conflict: its error goes on as it
// is. Answers the key stored.
int insertWithNewKey(const QString& table, const QString& column, const std::function<void(int key)>& insert);
// The same with the keys of `column` from `newKey` (a register's own way to nextKey()).
int insertWithNewKey(const QString& column, const std::function<int()>& newKey,
                     const std::function<void(int key)>& insert);

// Inside the saving transaction: holds `value` of `kind` (a document, an e-mail, a login) until the
// transaction ends, so that no other workstation's save of the same value runs its checks meanwhile; the
// checks that follow see every save that held it before. PostgreSQL: a transaction-scoped advisory lock keyed
// on the kind and the value; SQLite: the transaction already is the only writer. Blank values hold nothing.
void holdValue(const QString& kind, const QString& value);

// Inside the saving transaction: the row of `table` whose `keyColumn` is `key` (the owner of a new animal, the
// animal of a new vaccination) is still there, and stays so until the transaction ends: its key is written onto
// itself, which takes the row's lock on PostgreSQL (SQLite's transaction already is the only writer). Throws
// kRegistroAlterado when another workstation or program deleted the row since it was read.
void holdRow(const QString& table, const QString& keyColumn, const QVariant& key);

}  // namespace db
