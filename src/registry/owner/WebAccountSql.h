// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the owner's web account in usuario: the login is the CPF or CNPJ, the password is kept
// only as its digest, Bloqueado says whether the owner may log in to the outside web system.

#include "platform/db/EditedRow.h"
#include "registry/owner/OwnerRules.h"

#include <QDateTime>
#include <QList>
#include <QVariant>
#include <optional>

namespace webaccountsql {

struct NewAccount {
    QVariant unit;     // the session's unit
    QVariant profile;  // the session's profile
    QString name;
    QString login;
    QString password;  // plain, digested here
    bool blocked = false;
    int ownerId = 0;
    WebPhone phone;
    QString document;
    QString email;
    QVariant insertedBy;
    QDateTime insertedAt;
};

// Inserts the account and answers its Id_Usuario.
int insert(const NewAccount& account);

struct AccountChange {
    int ownerId = 0;
    QVariant unit;  // the owner's unit
    QString name;
    QString login;
    std::optional<QString> password;  // a new plain password; none keeps the digest
    std::optional<bool> blocked;      // none keeps Bloqueado as stored
    QVariant modifiedBy;
    QDateTime modifiedAt;
    QString email;
    WebPhone phone;  // written only when present
};

// The owner's accounts, every column, in the order of Id_Usuario: what the owner page shows and what an
// update of them is guarded with.
using Accounts = QList<db::RowValues>;
Accounts accountsOf(int ownerId);

// Updates the owner's accounts as they were read; answers how many (0: the owner had none, and still has
// none). An account changed, added or removed meanwhile by another workstation throws kRegistroAlterado.
int update(const AccountChange& change, const Accounts& read);

// Bloqueado of an account by its id, trimmed; empty when there is none.
QString blockOf(const QVariant& userId);

struct Login {
    bool found = false;
    QString login;
    QString bloqueado;
};
// The login and block state of the first of the owner's accounts.
Login loginOf(const Accounts& accounts);

// Whether the owner has an active account with a digest, in any unit.
bool hasDigest(int ownerId);

// Active web users with the e-mail (trimmed, case and accents aside): every one for a new owner
// (`ownerId` none), else those other than the owner's own account.
int emailCount(const QString& email, std::optional<int> ownerId);

// An active user, other than the owner's own accounts (every user for owner 0), logs in with `login` (trimmed,
// case and accents aside).
bool loginTaken(const QString& login, int ownerId);

// Marks the owner's accounts inactive ("Inativo" SIM, Status_Registro INATIVO).
void deactivate(int ownerId, const QVariant& by, const QDateTime& at);

inline const QString kBloqueadoSim = QStringLiteral("SIM");
inline const QString kBloqueadoNao = QStringLiteral("NÃO");

}  // namespace webaccountsql
