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
    db::Stamp stamp;
};

// Inserts the account, active, and answers its Id_Usuario.
int insert(const NewAccount& account);

struct AccountChange {
    int ownerId = 0;
    QVariant unit;  // the owner's unit
    QString name;
    QString login;
    std::optional<QString> password;  // a new plain password; none keeps the digest
    std::optional<bool> blocked;      // none keeps Bloqueado as stored
    db::Stamp stamp;
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
// (`ownerId` none), else those other than the owner's own account. The accounts left behind by owners gone
// that log in with the owner's `login` are not counted: the save takes them over.
int emailCount(const QString& email, std::optional<int> ownerId, const QString& login);

// `login` (trimmed, case and accents aside) is taken by an active account of another active owner, or by an
// active user of the system (no owner). An account whose owner no longer exists or is inactive takes nothing:
// the owner's save takes it over (claimOrphans()).
bool loginTaken(const QString& login, int ownerId);

// Inside the owner's save: the active accounts that log in with `login` and whose owner no longer exists or is
// inactive are taken over, each as it is read now, so that one active account of that login remains. With
// `takeOne` the first becomes the owner's own (its owner link and password digest replaced) and its id is
// answered; every other one is made inactive.
std::optional<int> claimOrphans(const QString& login, int ownerId, bool takeOne, const QString& password,
                                const db::Stamp& stamp);

// Marks the owner's accounts inactive ("Inativo" SIM, Status_Registro INATIVO), as they are now.
void deactivate(int ownerId, const db::Stamp& stamp);

inline const QString kBloqueadoSim = QStringLiteral("SIM");
inline const QString kBloqueadoNao = QStringLiteral("NÃO");

}  // namespace webaccountsql
