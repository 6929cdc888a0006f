// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map's statements: published slots, provisional slots, coverage areas, the month
// summary and special bookings. Nothing here commits: the user's action holds the transaction.

#include "availability/MapaRules.h"
#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QHash>

namespace mapasql {

// The first column of the first row of a count or sum, 0 without rows or for null.
int intValue(const QString& sql, const QVariantHash& params);

// One published or provisional slot, as written.
struct Slot {
    int unit = 0, procedure = 0, species = 0;
    QDateTime dateTime;
    int general = 0, female = 0, usedGeneral = 0, usedFemale = 0;
    QVariant area;    // null: the whole region
    QVariant author;  // who inserted it; null: the logged-in user
};

// Look-up lists (key, name as stored and description; the editor shows them in capitals) and upper-case names by key
// for the lists' computed columns (upper-cased here: SQLite's upper() knows no accents).
db::RowSet activeUnits();
db::RowSet surgeryProcedures();
db::RowSet speciesList(bool activeOnly);
// Upper-case names by key of the tables the slot lists show.
struct MapNames {
    QHash<int, QString> units, procedures, species, users;
};
MapNames readNames();

// The day's slots, every unit, procedure and species.
void openDay(db::DataSet& data, const QDate& day);

// Slots with the same unit, species, date-hour and procedure (any area), leaving out the key `other`.
int countSame(const Slot& v, const QVariant& other = {});
void insertSlot(int id, const Slot& v);
// Change and delete a slot as read (`read`). Either throws kRegistroAlterado and leaves the slot when another
// workstation changed it meanwhile, or when the web system's bookings refuse: the update leaves a slot whose
// used counts exceed the new quantities, or a used slot that would move; the delete leaves a used slot.
void updateSlot(int id, const Slot& v, const db::RowValues& read);
void deleteSlot(int id, const db::RowValues& read);
struct SlotUse {
    bool exists = false;
    int general = 0, female = 0;
    Slot slot;
};
SlotUse readSlot(int id);

// Coverage areas of a health district (0: every district), active only.
db::RowSet areas(int district);

// The summary rows of the month that begins on `monthStart`.
QList<availability::SummaryLine> summaryLines(const QDate& monthStart);

// Units the clone offers: active ones, without the central level.
db::RowSet cloneUnits();

// Provisional slots: the register's select of those not inactivated, and its empty select.
QString provisionalSelect();
QString provisionalNone();
int countSameProvisional(const Slot& v, const QVariant& other);
void insertProvisional(int id, const Slot& v);
// Change and inactivate a provisional slot as read (`read`): kRegistroAlterado when another workstation
// changed it meanwhile.
void updateProvisional(int id, const Slot& v, const db::RowValues& read);
void deactivateProvisional(int id, const db::RowValues& read);
db::RowSet activeProvisionals();
// Marks the provisional slot as read (`read`, a row of activeProvisionals()) transferred into the published one.
void markTransferred(int provisionalId, int publishedId, const db::RowValues& read);
db::Query provisionalReport();

}  // namespace mapasql
