// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the attendance booking: its main rows, the lists its combos offer, the animal's
// sterilised flag, the day summary and what the notification e-mail reads.

#include "platform/db/DataSet.h"
#include "platform/db/Table.h"

#include <QDate>
#include <QVariant>

namespace atendimentosql {

// The main data set holding one attendance, the attendances of one animal, all of them or none.
void selectOne(db::DataSet& data, const QVariant& attendanceId);
void selectOfAnimal(db::DataSet& data, const QVariant& animalId);
void selectAll(db::DataSet& data);
void selectNone(db::DataSet& data);

db::RowSet activeOwners();                      // id_Proprietario, nome; by name
db::RowSet owner(const QVariant& ownerId);      // the one owner, whatever its status
db::RowSet animalsOf(const QVariant& ownerId);  // id_Proprietario, id_animal, nome
db::RowSet activeUnits();                       // id_unidade_trabalho, nome; fold(ind_status) not 'inativo'
db::RowSet statuses();                          // every status

// The unit a handed owner is registered at, null when it has none or the unit is inactive.
QVariant ownerUnit(const QVariant& ownerId);

QVariant sterilised(const QVariant& animalId);  // animal.esterilizado, null without an animal
// Writes the flag while the animal still holds `read`, else kRegistroAlterado.
void writeSterilised(const QVariant& animalId, const QString& flag, const QVariant& read);

// The attendances of a unit on one day, in the summary's columns; the text without its order clause.
QString daySummarySql();
QVariantHash daySummaryParams(const QVariant& unitId, const QDate& day);
QString summaryOrder();
// The procedure names of each attendance of `ids`, joined with "," in the order they were recorded.
QHash<int, QString> procedureNames(const QList<int>& ids);

// The statements of one kind of an attendance's members: its professionals, procedures or used medicines.
struct MemberStatements {
    db::Table table;       // the member table
    QString listSql;       // the choices offered
    QString companionSql;  // the attendance's members, :id
    QString duplicateSql;  // :item and :id; any row found is a duplicate
};
MemberStatements medicineStatements();
MemberStatements professionalStatements();
MemberStatements procedureStatements();

db::RowSet memberChoices(const MemberStatements& member);
void selectMembers(db::DataSet& data, const MemberStatements& member, const QVariant& attendanceId);
bool isMember(const MemberStatements& member, const QVariant& item, const QVariant& attendanceId);
// Inserts a member row of `values` by column, stamped, its key made as its table's is (kRegistroAlterado when
// another program deleted the attendance meanwhile). The caller holds the transaction.
void insertMember(const MemberStatements& member, const db::RowValues& values, const db::Stamp& stamp);
// Deletes the member as read (`read`, found by its table's key) while it still holds what was read, else
// kRegistroAlterado. The caller holds the transaction.
void deleteMember(const MemberStatements& member, const db::RowValues& read);

// The first row of the notification e-mail's data for one attendance, and the standard orientation text.
db::RowSet notificationRow(const QVariant& attendanceId);
QString standardOrientation();

}  // namespace atendimentosql
