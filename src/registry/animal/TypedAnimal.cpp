// SPDX-License-Identifier: GPL-3.0-or-later
// The animal's save over values: checks, then the animal and its companion rows in one transaction.
#include "registry/animal/TypedAnimal.h"

#include "common/schema/Tables.h"
#include "registry/address/AddressSql.h"
#include "registry/animal/AnimalSql.h"

AnimalSaved saveAnimal(const TypedAnimal& s) {
    if (std::optional<FieldRefusal> refusal = checkAnimal(s.checked))
        return {refusal, 0};
    db::RowValues animal = s.animal;
    db::RowValues address = s.address;
    animal.insert(QStringLiteral("data_nascimento"), QDateTime(typedDate(s.checked.birthDate).date, QTime(0, 0)));
    if (!s.checked.neighbourhood.trimmed().isEmpty())
        address.insert(QStringLiteral("nom_bair"), s.checked.neighbourhood);
    const QDateTime now = db::serverTime();
    const db::Stamp stamp = tables::byUser(now);

    // The animal and its companion rows stand or fall together.
    db::Transaction transaction;
    int id = s.animalId;
    if (s.inserting) {
        // A new animal's address has no coordinates, also when it was copied from the owner's.
        address.insert(QStringLiteral("end_x"), QVariant());
        address.insert(QStringLiteral("end_y"), QVariant());
        const int addressId = addresssql::insertAddress(address, stamp);
        id = animalsql::insertAnimal(animal, s.ownerId, stamp);
        addresssql::linkAnimal(id, addressId);
        animalsql::insertGroup(animal.value(QStringLiteral("id_grupo_animal")), id, now);
        animalsql::insertFirstOwner(id, s.ownerId, now);
    } else {
        if (s.addressRead.isEmpty())
            addresssql::linkAnimal(id, addresssql::insertAddress(address, stamp, true));
        else
            addresssql::updateAddress(address, s.addressRead, db::toInt(address.value(QStringLiteral("id_endereco"))),
                                      stamp);
        animalsql::updateAnimal(animal, s.animalRead, id, stamp);
    }
    transaction.commit();
    return {{}, id};
}
