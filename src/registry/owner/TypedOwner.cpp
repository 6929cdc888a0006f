// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's save over values: checks, then address, owner and web account in one transaction.
#include "registry/owner/TypedOwner.h"

#include "common/access/Session.h"
#include "common/schema/Tables.h"
#include "registry/address/AddressSql.h"
#include "registry/owner/OwnerSql.h"

namespace {

QVariant sessionNumber(const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}

QString text(const db::RowValues& row, const char* column) {
    return db::toText(row.value(QString::fromLatin1(column)));
}

webaccountsql::NewAccount newAccount(const TypedOwner& s, const db::RowValues& owner, int ownerId,
                                     const db::Stamp& stamp) {
    webaccountsql::NewAccount account;
    account.unit = sessionNumber(UnidadeLogada);
    account.profile = sessionNumber(PerfilLogado);
    account.name = text(owner, "nome");
    account.login = s.checked.document;
    account.password = s.checked.password;
    account.blocked = s.blocked;
    account.ownerId = ownerId;
    account.phone =
        webPhone(text(owner, "telefone_celular"), text(owner, "telefone_residencial"), text(owner, "telefone_recado"));
    account.document = text(owner, "num_cpf_cnpj");
    account.email = text(owner, "email_proprietario");
    account.stamp = stamp;
    return account;
}

webaccountsql::AccountChange accountChange(const TypedOwner& s, const db::RowValues& owner, const db::Stamp& stamp) {
    webaccountsql::AccountChange change;
    change.ownerId = s.ownerId;
    change.unit = owner.value(QStringLiteral("id_unidade_trabalho"));
    change.name = text(owner, "nome");
    change.login = s.checked.document;
    if (s.checked.passwordOpen)
        change.password = s.checked.password;
    if (!s.keepBlock)
        change.blocked = s.blocked;
    change.stamp = stamp;
    change.email = text(owner, "email_proprietario");
    change.phone = splitPhone(text(owner, "telefone_residencial"));
    return change;
}

// The owner's web account where it has none: an account left with the owner's login by an owner gone is taken
// over, else a new one is made. Every other such account is made inactive, so that one active account of the
// login remains.
int webAccountFor(const TypedOwner& s, const db::RowValues& owner, int ownerId, const db::Stamp& stamp) {
    if (const auto taken = webaccountsql::claimOrphans(s.checked.document, ownerId, true, s.checked.password, stamp))
        return *taken;
    return webaccountsql::insert(newAccount(s, owner, ownerId, stamp));
}

}  // namespace

std::optional<FieldRefusal> checkOwner(const TypedOwner& s) {
    return ValidaCamposProprietario(s.checked, ownersql::lookups(s.checked, s.checked.inserting ? 0 : s.ownerId));
}

OwnerSaved saveOwner(const TypedOwner& s) {
    const bool inserting = s.checked.inserting;
    const int self = inserting ? 0 : s.ownerId;
    if (std::optional<FieldRefusal> refusal = checkOwner(s))
        return {refusal, 0};

    // What both saves write the same way: the neighbourhood's name, the person type, blank phones as null.
    db::RowValues owner = s.owner;
    db::RowValues address = s.address;
    if (!s.checked.neighbourhood.trimmed().isEmpty())
        address.insert(QStringLiteral("nom_bair"), s.checked.neighbourhood);
    // The type shown is written, but a type stored in another spelling ("FISICA", "fisica") stays as it is.
    if (!db::sameText(text(owner, "tipo_pessoa"), s.checked.personType))
        owner.insert(QStringLiteral("tipo_pessoa"), s.checked.personType);
    for (const char* phone : {"telefone_residencial", "telefone_celular", "telefone_recado"})
        if (phoneBlank(text(owner, phone)))
            owner.insert(QString::fromLatin1(phone), QVariant());
    const db::Stamp stamp = tables::byUser(db::serverTime());
    QVariant addressId = s.ownerRead.value(QStringLiteral("id_endereco"));
    const bool newAddress = s.addressRead.isEmpty() || db::toText(addressId).trimmed().isEmpty();

    // Address, owner and account stand or fall together; a refusal or failure leaves nothing behind.
    db::Transaction transaction;
    // The duplicate checks again, now that no other workstation can store the same until this one ends.
    ownersql::holdDuplicates(s.checked);
    if (std::optional<FieldRefusal> refusal =
            ValidaCamposProprietario(s.checked, ownersql::lookups(s.checked, self), kFirstDuplicateCheck))
        return {refusal, 0};
    int id = s.ownerId;
    if (inserting) {
        id = ownersql::insertOwner(owner, addresssql::insertAddress(address, stamp), stamp);
        ownersql::setWebUser(id, webAccountFor(s, owner, id, stamp));
    } else {
        if (newAddress)
            addressId = addresssql::insertAddress(address, stamp, true);
        else
            addresssql::updateAddress(address, s.addressRead, db::toInt(addressId), stamp);
        ownersql::updateOwner(owner, s.ownerRead, id, addressId, stamp);
        // An owner without an account gets one now.
        if (webaccountsql::update(accountChange(s, owner, stamp), s.accounts) == 0)
            ownersql::setWebUser(id, webAccountFor(s, owner, id, stamp));
        else
            webaccountsql::claimOrphans(s.checked.document, id, false, {}, stamp);
    }
    transaction.commit();
    return {{}, id};
}
