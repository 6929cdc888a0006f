// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animal's statements: the owner's animals, the reference lists and defaults, a new animal with its
// group and first history row, a change, the delete refusals and cascade, and the animal-address form's
// animal list, animal search and export.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QDateTime>
#include <QString>

namespace animalsql {

// The owner's animals ordered by id_animal (an empty result for owner 0).
void selectAnimals(db::DataSet& animals, int ownerId);

// Reference lists: (key, nome) or (key, descricao) rows.
db::RowSet groups();
db::RowSet species();
// The active breeds of the species (every breed without one), and `kept` whatever its status and species.
db::RowSet breeds(const QVariant& speciesId, const QVariant& kept = {});
db::RowSet sizes();
db::RowSet coats();
// The keys a new animal starts with, by field of animal (Id_Grupo_Animal, Id_Especie, Id_Raca, Id_Porte,
// Id_Pelo): those of the group DOMICILIADO, the species CANINA, the breed SEM RAÇA DEFINIDA - SRD, the size
// PEQUENO and the coat CURTO (case and accents aside), each only when the table has it.
QList<std::pair<QString, QVariant>> newAnimalKeys();
// A breed's standard size and coat (Id_Porte, Id_Pelo), either null.
std::pair<QVariant, QVariant> breedDefaults(const QVariant& breedId);

// Writes an animal from its values by column (db::typedValues() of a data set) for the owner, stamped: answers
// the key the server made (kRegistroAlterado when another program deleted the owner meanwhile). The update writes
// the row only while it still holds the values read, else throws kRegistroAlterado.
int insertAnimal(const db::RowValues& animal, int ownerId, const db::Stamp& stamp);
void updateAnimal(const db::RowValues& typed, const db::RowValues& read, int animalId, const db::Stamp& stamp);
void insertGroup(const QVariant& groupId, int animalId, const QDateTime& when);
// The first row of the animal's ownership history (no previous owner).
void insertFirstOwner(int animalId, int ownerId, const QDateTime& when);
// A row of the animal's ownership history, its key the next of the table (db::insertWithNewKey()).
void insertOwnerChange(int animalId, const QVariant& previousOwner, int ownerId, const QDateTime& date,
                       const QDateTime& now);

// What keeps an animal from being deleted.
int historyCount(int animalId);
bool hasPrivateAttendance(int animalId);
bool hasAttendance(int animalId);
bool hasVaccination(int animalId);
bool hasOccurrence(int animalId);
// The animal as read with its links, every linked address, group and history rows; kRegistroAlterado when
// another workstation changed the animal meanwhile.
void deleteAnimal(int animalId, const db::RowValues& read);
// Who inserted and who changed the animal, and when (Nome_inseriu, Nome_alterou, inserido_em,
// Modificado_Em, Modificado_por); no row when its inserting user is unknown.
db::RowSet insertedAndChanged(int animalId);

// --- the animal-address form ---

// The owner's animals as the form lists them (id_animal, id_proprietario, nome).
db::RowSet animalsOf(int ownerId);

// The animal search of the address form: criterion and text as a filter of its select.
inline const QString kBuscaNomeAnimal = QStringLiteral("Nome animal");
inline const QString kBuscaCodigoAnimal = QStringLiteral("Código animal");
inline const QString kBuscaNomeProprietario = QStringLiteral("Nome proprietário");
inline const QString kBuscaCodigoProprietario = QStringLiteral("Código proprietário");
inline const QString kBuscaMicrochip = QStringLiteral("Microchip");
// Fills `query` with the search, ordered by the result's column `orderBy` when one is given; an unknown
// criterion finds every animal.
void prepareAnimalSearch(db::Query& query, const QString& criterion, const QString& text, const QString& orderBy = {});
// The search's columns without a row, as the search shows before its first run.
void prepareNoAnimal(db::Query& query);

// Every animal with its owner and breed, for the export to read as it comes.
void prepareExport(db::Query& query);

}  // namespace animalsql
