// SPDX-License-Identifier: GPL-3.0-or-later
// The animal's save over values: checks, then the animal and its companion rows in one transaction.
#include "registry/animal/TypedAnimal.h"

#include "common/access/Session.h"
#include "registry/address/AddressSql.h"
#include "registry/animal/AnimalSql.h"

namespace {

void stamp(db::RowValues& row, const char* when, const char* who, const QDateTime& now) {
    row.insert(QString::fromLatin1(when), now);
    row.insert(QString::fromLatin1(who), auditUser());
}

}  // namespace

AnimalSaved saveAnimal(const TypedAnimal& s) {
    if (std::optional<FieldRefusal> refusal = checkAnimal(s.checked))
        return {refusal, 0};
    db::RowValues animal = s.animal;
    db::RowValues address = s.address;
    animal.insert(QStringLiteral("data_nascimento"), QDateTime(typedDate(s.checked.birthDate).date, QTime(0, 0)));
    if (!s.checked.neighbourhood.trimmed().isEmpty())
        address.insert(QStringLiteral("nom_bair"), s.checked.neighbourhood);
    const QDateTime now = db::serverTime();

    // The animal and its companion rows stand or fall together.
    db::Transaction transaction;
    int id = s.animalId;
    if (s.inserting) {
        // A new animal's address has no coordinates, also when it was copied from the owner's.
        address.insert(QStringLiteral("end_x"), QVariant());
        address.insert(QStringLiteral("end_y"), QVariant());
        stamp(address, "inserido_em", "inserido_por", now);
        stamp(animal, "inserido_em", "inserido_por", now);
        const int addressId = addresssql::insertAddress(address);
        id = animalsql::insertAnimal(animal, s.ownerId);
        addresssql::linkAnimal(id, addressId);
        animalsql::insertGroup(animal.value(QStringLiteral("id_grupo_animal")), id, now);
        animalsql::insertFirstOwner(id, s.ownerId, now);
    } else {
        stamp(address, "modificado_em", "modificado_por", now);
        stamp(animal, "modificado_em", "modificado_por", now);
        if (s.addressRead.isEmpty()) {
            stamp(address, "inserido_em", "inserido_por", now);
            addresssql::linkAnimal(id, addresssql::insertAddress(address));
        } else {
            addresssql::updateAddress(address, s.addressRead, db::toInt(address.value(QStringLiteral("id_endereco"))));
        }
        animalsql::updateAnimal(animal, s.animalRead, id);
    }
    transaction.commit();
    return {{}, id};
}
