// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Statements of the special bookings: grants of extra web bookings to an owner, and the owner's history.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

namespace especialsql {

// The standing grants with their owners' names.
void openGrants(db::DataSet& data);
// Owners by key and/or part of the name (either may be empty).
db::RowSet owners(const QString& code, const QString& name);
// The search dialog: by document or by part of the name.
void searchOwners(db::DataSet& data, bool byDocument, const QString& text);
bool ownerExists(int id);
// Attendances per status (not status 7): name and count.
db::RowSet attendancesByStatus(int owner);
// Every attendance: animal, status, date-time, unit, by date.
db::RowSet attendances(int owner);
int SomaReservadoProprietario(int owner);
// Granted (standing) and used (attendances not of status 7).
struct Balance {
    int granted = 0, used = 0;
};
Balance balance(int owner);
// Reads its key: call inside a transaction (kRegistroAlterado when another program deleted the owner meanwhile).
void grant(int owner, int quantity);
// Marks the grant as read (`read`) removed; kRegistroAlterado when another workstation changed it meanwhile.
void withdraw(int grantId, const db::RowValues& read);

}  // namespace especialsql
