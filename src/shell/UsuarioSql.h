#pragma once
// The statements of the users: the register's select with the profile's and unit's names, the checks of
// a save and a delete, and the change of one's own password.

#include <QString>
#include <QVariant>

namespace usuariosql {

// Every user with "nome_perfil" and "nome_unidade" from left joins; filters and order follow it.
QString selectSql();

// Whether another user bears the name, trimmed and compared ignoring case and accents.
bool nameTaken(const QString& nome);

// Whether the user is an owner's web account (its Id_proprietario set, or an owner naming it).
bool belongsToOwner(const QVariant& idUsuario);

// Stores `newDigest` as the user's password digest, with the audit of the change, only while the stored
// digest is `currentDigest`. Returns whether a row changed.
bool replacePasswordDigest(int idUsuario, const QString& currentDigest, const QString& newDigest);

}  // namespace usuariosql
