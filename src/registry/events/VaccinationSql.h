// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vaccination page's statements: the three active look-ups, the animal's vaccinations, the duplicate
// of a day, the insert and the delete.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QDate>
#include <QDateTime>

namespace vaccinationsql {

// (key, Nome, Descricao) of the active rows ("ATIVO", trimmed).
db::RowSet vaccines();
db::RowSet reasons();
db::RowSet intercurrences();

// The grid's rows of the animal (none for animal 0), by date.
void selectVaccinations(db::DataSet& grid, int animalId);

struct Vaccination {
    int animal = 0;
    int vaccine = 0;
    int reason = 0;
    int intercurrence = 0;
    QDate date;
};

// The same vaccination of the animal on the same day.
bool recordedOnDay(const Vaccination& v);
// Inside the caller's transaction: the new row with the next key; answers the key (kRegistroAlterado when
// another program deleted the animal meanwhile).
int insertVaccination(const Vaccination& v, const QDateTime& now);
// The vaccination as read (kRegistroAlterado when another workstation changed it meanwhile).
void deleteVaccination(int vaccinationId, const db::RowValues& read);

}  // namespace vaccinationsql
