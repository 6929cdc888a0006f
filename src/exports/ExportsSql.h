// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exports' statements: every animal with its owner, latest address and latest group; the staging
// table by period and status; the attendances of a period; and the lists the forms offer.

#include "exports/ExportsRules.h"
#include "platform/db/DataSet.h"
#include "platform/db/Query.h"

namespace exportssql {

// Every animal, active or not, with the select list given (see animalSelectList), to be read as it comes.
void prepareAnimals(db::Query& query, const QString& selectList);

// The staging table's rows of a period on the attendance date or on the row's insertion date, of one
// status or (empty) of any: their count, by a statement of its own, and the rows.
struct StagingFilter {
    Period period;
    bool byAttendanceDate = false;
    QString status;
};
int countStaging(const StagingFilter& filter);
void openStaging(db::DataSet& data, const StagingFilter& filter);

// The names of the attendance statuses, in the order the server returns them.
QStringList attendanceStatuses();

// Every work unit, active or not: id_unidade_trabalho, nome, ind_status.
db::RowSet workUnits();

// The attendances of a period, booked by one unit (null: by any), with the names behind their keys; the
// 30 first columns of schedulingFields(). To be read as it comes.
void prepareAttendances(db::Query& query, const Period& period, const QVariant& bookingUnit);

}  // namespace exportssql
