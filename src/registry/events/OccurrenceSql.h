// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The occurrence register's statements: the owner, animal and type lists, the animal's occurrences, the
// checks before an add, the add and delete, and the report and export of occurrences.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QDateTime>

namespace occurrencesql {

// (id_proprietario, nome) of every owner by name, or of the one owner when ownerId > 0.
db::RowSet owners(int ownerId = 0);
// (id_animal, nome) of the owner's animals.
db::RowSet animalsOf(int ownerId);
// (id_Tipo_Ocorrencia, nome, ind_finaliza_caso, descricao) of every type.
db::RowSet types();

// The animal's occurrences with their type's name (NomeOcorrencia); empty for animal 0.
void selectOccurrences(db::DataSet& occurrences, int animalId);

bool sameTypeRecorded(int animalId, int typeId);
// The name of an occurrence type that closed the animal's case, whatever its date; empty when none.
QString closingOccurrence(int animalId);

// Inside the caller's transaction: the new occurrence with the next key; answers the key (kRegistroAlterado when
// another program deleted the animal meanwhile).
int insertOccurrence(int animalId, int typeId, const QDate& date, const QDateTime& now);
// The occurrence as read (kRegistroAlterado when another workstation changed it meanwhile).
void deleteOccurrence(int occurrenceId, const db::RowValues& read);

// The report's statement for one animal of one owner, by date; without animal (0), every occurrence.
void prepareReport(db::Query& query, int animalId, int ownerId);
// Every occurrence as the report reads them, by occurrence, for the export to read as it comes.
void prepareExport(db::Query& query);

}  // namespace occurrencesql
