// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on endereco and endereco_animal for the owner's and the animals' addresses.
#include "registry/address/AddressSql.h"

#include "platform/db/Keys.h"

#include <QStringList>

namespace addresssql {

namespace {

const QStringList kAddressColumns{"Id_Distrito",      "COD_AREA_ABRN", "NUM_LOGR",      "NUM_SEQU_LOGR",
                                  "TIP_LOGR",         "NOM_LOGR",      "NUM_IMOV_LOGR", "DES_CMPL_ENDR",
                                  "NUM_BAIR",         "NOM_BAIR",      "NUM_CEP",       "num_locl",
                                  "nom_locl",         "End_X",         "End_Y",         "Ind_Endereco_Informado",
                                  "data_inicial_end", "Inserido_Por",  "Inserido_Em",   "Modificado_Por",
                                  "Modificado_Em"};

// Parameter names are matched in lower case.
QVariantHash valuesOf(const db::RowValues& row) {
    QVariantHash values;
    for (const QString& c : kAddressColumns)
        values.insert(c.toLower(), row.value(c.toLower()));
    return values;
}

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

int insertAddress(const db::RowValues& address) {
    QStringList params;
    for (const QString& c : kAddressColumns)
        params << QLatin1Char(':') + c;
    const db::RowSet rows =
        db::run(db::kMain,
                QStringLiteral(" insert into endereco (%1) values (%2) returning Id_Endereco ")
                    .arg(kAddressColumns.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))),
                valuesOf(address));
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

void updateAddress(const db::RowValues& typed, const db::RowValues& read, int addressId) {
    db::updateRow(
        {QStringLiteral("endereco"), QStringLiteral("Id_Endereco"), addressId, kAddressColumns, valuesOf(typed), read});
}

void deleteAddress(const QVariant& addressId, const db::RowValues& read) {
    db::deleteRow(
        {QStringLiteral("endereco"), QStringLiteral("Id_Endereco"), db::toInt(addressId), kAddressColumns, {}, read});
}

db::RowSet districts() {
    return db::run(db::kMain,
                   QStringLiteral(" select Id_Distrito, Nome from distrito where fold(trim(ind_status)) = 'ativo' "
                                  " order by Id_Distrito "),
                   {});
}

QVariant currentAnimalAddress(int animalId) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(" select id_endereco from endereco_animal where id_animal = :animal "
                                                   " order by id_endereco desc limit 1 "),
                                    byAnimal(animalId));
    return rows.count() ? rows.row(0)[0] : QVariant();
}

void linkAnimal(int animalId, int addressId) {
    db::holdRow(QStringLiteral("animal"), QStringLiteral("Id_Animal"), animalId);
    db::run(db::kMain,
            QStringLiteral(" insert into endereco_animal (id_animal, id_endereco) values (:animal, :address) "),
            {{QStringLiteral("animal"), animalId}, {QStringLiteral("address"), addressId}});
}

void selectAnimalHistory(db::DataSet& history, int animalId, const QString& orderBy) {
    // The order is a column of the history grid's own list, never what is typed.
    history.setSql(
        QStringLiteral(" select a.id_animal, b.* from endereco_animal a "
                       " left join endereco b on (a.id_endereco = b.id_endereco) "
                       " where a.id_animal = :animal ") +
        (orderBy.isEmpty() ? QStringLiteral("order by a.id_endereco desc ") : QStringLiteral("order by b.") + orderBy));
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
    const QVariantHash both{{QStringLiteral("animal"), animalId}, {QStringLiteral("address"), addressId}};
    int affected = 0;
    db::run(db::kMain,
            QStringLiteral(" delete from endereco_animal where id_endereco = :address and id_animal = :animal "), both,
            &affected);
    db::requireAffected(affected);
    deleteAddress(addressId, read);
}

}  // namespace addresssql
