// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on endereco and endereco_animal for the owner's and the animals' addresses.
#include "registry/address/AddressSql.h"

#include "common/schema/Tables.h"
#include "platform/db/Keys.h"

namespace addresssql {

namespace {

QVariantHash byAnimal(int animalId) { return {{QStringLiteral("animal"), animalId}}; }

}  // namespace

void selectAddress(db::DataSet& address, const QVariant& addressId) {
    if (db::toText(addressId).trimmed().isEmpty()) {
        address.setSql(QStringLiteral(" select * from endereco where 1=2 "));
    } else {
        address.setSql(QStringLiteral(" select * from endereco where id_endereco = :id "));
        address.query().bind(QStringLiteral("id"), db::toInt(addressId));
    }
    address.open();
}

int insertAddress(const db::RowValues& address, const db::Stamp& stamp, bool edit) {
    return db::insertRow(tables::endereco(),
                         edit ? db::stamped(tables::endereco(), address, db::Write::Update, stamp) : address, stamp);
}

void updateAddress(const db::RowValues& typed, const db::RowValues& read, int addressId, const db::Stamp& stamp) {
    db::updateRow({.table = tables::endereco(), .key = addressId, .typed = typed, .read = read, .stamp = stamp});
}

void deleteAddress(const QVariant& addressId, const db::RowValues& read) {
    db::deleteRow({.table = tables::endereco(), .key = db::toInt(addressId), .read = read});
}

db::RowSet districts() {
    return db::run(db::kMain, QStringLiteral(R"(
        select Id_Distrito, Nome
        from distrito
        where fold(trim(ind_status)) = 'ativo'
        order by Id_Distrito
    )"),
                   {});
}

QVariant currentAnimalAddress(int animalId) {
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(R"(
        select id_endereco
        from endereco_animal
        where id_animal = :animal
        order by id_endereco desc
        limit 1
    )"),
                                    byAnimal(animalId));
    return rows.count() ? rows.row(0)[0] : QVariant();
}

void linkAnimal(int animalId, int addressId) {
    db::holdRow(QStringLiteral("animal"), QStringLiteral("Id_Animal"), animalId);
    db::insertRow(tables::enderecoAnimal(),
                  {{QStringLiteral("id_animal"), animalId}, {QStringLiteral("id_endereco"), addressId}});
}

void selectAnimalHistory(db::DataSet& history, int animalId, const QString& orderBy) {
    // The order is a column of the history grid's own list, never what is typed.
    history.setSql(QStringLiteral(R"(
        select a.id_animal, b.*
        from endereco_animal a
        left join endereco b on (a.id_endereco = b.id_endereco)
        where a.id_animal = :animal
    )") + (orderBy.isEmpty() ? QStringLiteral("order by a.id_endereco desc ")
                             : QStringLiteral("order by b.") + orderBy));
    history.query().bind(QStringLiteral("animal"), animalId);
    history.open();
}

int animalAddressCount(int animalId) {
    const db::RowSet rows =
        db::run(db::kMain, QStringLiteral(" select count(*) as valor from endereco_animal where id_animal = :animal "),
                byAnimal(animalId));
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

void deleteAnimalAddress(int animalId, int addressId, const db::RowValues& read) {
    db::deleteRow({.table = tables::enderecoAnimal(),
                   .read = {{QStringLiteral("id_animal"), animalId}, {QStringLiteral("id_endereco"), addressId}}});
    deleteAddress(addressId, read);
}

}  // namespace addresssql
