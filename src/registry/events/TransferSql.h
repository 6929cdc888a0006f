// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animal transfer's statements: the owner picker's search and the picked owner's animals, the change of
// owner with its history row, and the ownership history that REL043 prints.

#include "platform/db/Query.h"

#include <QDate>
#include <QDateTime>
#include <QList>

namespace transfersql {

// The owner picker's criteria, in the order of its list.
enum class PickBy { Code, Name, Document, Street };
// Fills `query` with the owners (with their address) whose code, document or beginning of name or street
// is the typed text, by name.
void prepareOwnerSearch(db::Query& query, PickBy by, const QString& text);
// (id_animal, nome, num_microchip, num_pedigree) of the owner's animals.
db::RowSet animalsOf(const QVariant& ownerId);

// Inside the caller's transaction: each listed animal that is not the owner's yet gets the owner and a
// history row (previous owner as the database holds it, the date at 00:00); an animal that no longer exists
// is skipped, an owner that no longer exists throws kRegistroAlterado. Answers how many animals changed owner.
int moveAnimals(const QList<int>& animals, int ownerId, const QDate& date, const QDateTime& now);

// Every row of the ownership history with the animal, its current owner and address, and the owners
// before and after the change; by animal, then by history key.
void prepareHistory(db::Query& query);

}  // namespace transfersql
