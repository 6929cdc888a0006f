// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address's statements: an address row by its key, its insert, guarded update and delete, the districts
// an address takes, and an animal's addresses through endereco_animal (the current one, the history, the
// link of a new one, the count and the delete of one).

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QString>
#include <QVariant>

namespace addresssql {

// Selects of an address data set: the row of the key, or an empty result for a null key.
void selectAddress(db::DataSet& address, const QVariant& addressId);

// Writes an address from its values by column (db::typedValues() of a data set), the insert and the update
// stamped: the insert answers the key the server made; the update and the delete touch the row only while it
// still holds the values read (`read`), else throw kRegistroAlterado.
// An address made while its owner or animal is edited is stamped as modified by the edit too (`edit`).
int insertAddress(const db::RowValues& address, const db::Stamp& stamp, bool edit = false);
void updateAddress(const db::RowValues& typed, const db::RowValues& read, int addressId, const db::Stamp& stamp);
void deleteAddress(const QVariant& addressId, const db::RowValues& read);

// The active districts (Id_Distrito, Nome) by id.
db::RowSet districts();

// --- an animal's addresses ---

// The most recent address of an animal (its link with the highest Id_Endereco), null when none.
QVariant currentAnimalAddress(int animalId);
// Links a new address to the animal, inside the caller's transaction (kRegistroAlterado when another program
// deleted the animal meanwhile).
void linkAnimal(int animalId, int addressId);
// The animal's addresses (id_animal and every column of endereco), most recent first, or by the address
// column `orderBy` when one is given.
void selectAnimalHistory(db::DataSet& history, int animalId, const QString& orderBy = {});
int animalAddressCount(int animalId);
// Removes the link and the address as read (kRegistroAlterado when another workstation changed it meanwhile).
void deleteAnimalAddress(int animalId, int addressId, const db::RowValues& read);

}  // namespace addresssql
