// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The professional register's statements: its unit list, the three schedule lists read and written, the
// attendance check and the delete. None of them opens or commits a transaction: the action does.

#include "platform/db/EditedRow.h"
#include "platform/db/Query.h"
#include "registers/ScheduleConflict.h"

#include <array>

namespace profissionalsql {

// The schedule lists of one professional, in list order.
struct Schedule {
    QList<ScheduleEntry> workingHours;
    QList<ScheduleEntry> impediments;
    QList<ScheduleEntry> extraHours;
};

// The rows of the three lists' tables as stored when the lists were read, every one the save replaces (the
// working hours' inactive rows too): working hours, impediments, extra hours.
using StoredSchedule = std::array<QList<db::RowValues>, 3>;

// The professionals report: every professional with the name of her unit, those without a unit first.
void prepareReport(db::Query& q);

// The active units, names in capitals (id_Unidade_trabalho, nome).
db::RowSet activeUnits();

Schedule load(const QVariant& professional);
StoredSchedule stored(const QVariant& professional);

// Replaces the professional's lists as read (`read`; none for a new professional) by `schedule`: every row is
// written again with new keys, the working hours with the next save number. A row another workstation changed,
// added or deleted since they were read throws kRegistroAlterado.
void save(const QVariant& professional, const Schedule& schedule, const StoredSchedule& read);

// Whether the professional took part in an attendance.
bool hasAttendance(const QVariant& professional);

// The professional as read and its three lists (kRegistroAlterado when another workstation changed it meanwhile).
void remove(const QVariant& professional, const db::RowValues& read);

}  // namespace profissionalsql
