// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the users: the register's select with the profile's and unit's names, the checks of
// a save and a delete, and the change of one's own password.

#include "platform/db/DataSet.h"

#include <QString>
#include <QVariant>

namespace usuariosql {

// Every user with "nome_perfil" and "nome_unidade" from left joins; filters and order follow it.
QString selectSql();
// The same select, opened on the one user of that key.
void selectUser(db::DataSet& data, const QVariant& userId);

// The look-up lists of the register, opened into `q`: the active units (key, name in capitals,
// description) and every profile (key, name in capitals, description), by name.
void openUnits(db::Query& q);
void openProfiles(db::Query& q);

// Every user's code, name, login and flags, for the consult.
QString consultSql();

// REL027: every user with the keys of her profile and unit; the count of users; the "Nome" of the row of
// `table` whose `keyColumn` is `id` (table and column come from the code), empty when there is none.
void prepareReport(db::Query& q);
int userCount();
QString nameIn(const QString& table, const QString& keyColumn, int id);

// Whether another user bears the name, trimmed and compared ignoring case and accents.
bool nameTaken(const QString& name);

// Whether the user is an owner's web account (its Id_proprietario set, or an owner naming it).
bool belongsToOwner(const QVariant& userId);

// Stores `newDigest` as the user's password digest, with the audit of the change, only while the stored
// digest is `currentDigest`. Returns whether a row changed.
bool replacePasswordDigest(int userId, const QString& currentDigest, const QString& newDigest);

}  // namespace usuariosql
