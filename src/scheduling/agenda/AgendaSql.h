// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the agenda: its look-up lists, the daily list, the epidemiological week of a day, the
// week's attendance times, the statistics and the locator's search.

#include "platform/db/DataSet.h"
#include "scheduling/agenda/AgendaRules.h"
#include "scheduling/agenda/WeekGrid.h"

#include <QDate>
#include <QList>
#include <QVariant>

namespace agendasql {

// What the daily list, the weekly counts and the statistics filter on; a null unit or status: all.
struct Filter {
    QVariant unit;
    QVariant status;
    QDate day;
    AgendaPeriod period = AgendaPeriod::Dia;
};

db::RowSet units();          // id_unidade_trabalho, nome in capitals; every unit
db::RowSet activeUnits();    // id_unidade_trabalho, nome; units whose ind_status is "ATIVO" in any case
db::RowSet unitsAsStored();  // id_unidade_trabalho, nome; every unit
db::RowSet statuses();       // id_atendimento_status, nome, descricao, ind_status; not 'INATIVO'
db::RowSet professionals();  // id_profissional, nome; every professional

// The daily list of active owners' attendances, of the filter or of one attendance; the count of the
// filter's, by a statement of its own.
void selectDailyList(db::DataSet& data, const Filter& filter);
int dailyCount(const Filter& filter);
void selectDailyListOf(db::DataSet& data, const QVariant& attendanceId);
// The empty list "Limpar" leaves.
void selectCleared(db::DataSet& data);

// The epidemiological weeks holding `day`: dtinisep < day + 1 and dtfimsep >= day.
db::RowSet weekRows(const QDate& day);  // nrideano, nridesep, dtinisep, dtfimsep, dsidesep

// The moments of [sunday, sunday + 7) with attendances at the filter's unit and status, any owner, in order,
// each with how many.
QList<WeekGrid::Moment> weekMoments(const Filter& filter, const QDate& sunday);

// The statistics' rows, grouped per unit and attendance, and one unit's counts per status (active owners).
db::RowSet statisticsRows(const Filter& filter);
db::RowSet statusCounts(const Filter& filter, const QVariant& unitId);

// The locator's search, by one of its choices; `value` is already cut to what the choice compares (for Cpf, the
// list of texts the document may be stored as).
enum class LocateBy { OwnerName, AnimalName, Attendance, Owner, Animal, Cpf, Identity, Microchip };
void selectLocated(db::DataSet& data, LocateBy by, const QVariant& value);

// The agenda's reports, each prepared into its query with every value bound: REL050, the attendances of
// [from, to) with their owners, animals and statuses, at one unit when `unit` is above 0; REL051, a month's
// attendances counted per unit, professional and procedure, at one unit when `unit` is not 0; REL052, every
// attendance by unit and status; Rel.:042, a professional's attendances of [from, to), every
// professional's for "0".
void prepareDailyReport(db::Query& q, const QDateTime& from, const QDateTime& to, int unit);
void prepareMonthlyReport(db::Query& q, const QDateTime& from, const QDateTime& to, int unit);
void prepareYearReport(db::Query& q);
void prepareProfessionalReport(db::Query& q, const QDateTime& from, const QDateTime& to, const QString& professional);

}  // namespace agendasql
