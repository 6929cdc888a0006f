// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on proprietario, animal and histo_muda_proprietario for the animal transfer, its owner picker and
// its report.
#include "registry/events/TransferSql.h"

#include "common/rules/Documents.h"
#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"
#include "platform/db/Search.h"
#include "registry/animal/AnimalSql.h"
#include "registry/shared/TypedNumber.h"

namespace transfersql {

void prepareOwnerSearch(db::Query& query, PickBy by, const QString& text) {
    query.clear();
    query << QStringLiteral(" select a.id_proprietario, a.nome, a.num_CPF_CNPJ, b.NOM_LOGR, ")
          << QStringLiteral(" b.TIP_LOGR, b.NUM_IMOV_LOGR, b.DES_CMPL_ENDR, b.nom_bair, a.num_ci, a.id_endereco ")
          << QStringLiteral(" from proprietario a ")
          << QStringLiteral(" left outer join endereco b on (a.id_endereco = b.id_endereco) ")
          << QStringLiteral(" where 1=1 ");
    const QString t = text.trimmed();
    auto prefix = [&](const char* column) {
        query.andWhere(db::foldedPrefix(QLatin1String(column), QStringLiteral("texto"), t));
    };
    switch (by) {
    case PickBy::Code:
        query << QStringLiteral(" and a.id_proprietario = :codigo ");
        query.bind(QStringLiteral("codigo"), wholeNumber(t));
        break;
    case PickBy::Name: prefix("a.nome"); break;
    case PickBy::Document:
        query << QStringLiteral(" and %1 = :documento ").arg(documentKeySql(QStringLiteral("a.Num_CPF_CNPJ")));
        query.bind(QStringLiteral("documento"), documentKey(t));
        break;
    case PickBy::Street: prefix("b.NOM_LOGR"); break;
    }
    // In name order as the old server's collation had it (case and accents aside), which the index of the
    // folded name gives as it finds the names: a common beginning shows its first screen without a sort of
    // every owner it finds.
    query << QStringLiteral(" order by fold(a.nome), a.id_proprietario ");
}

db::RowSet animalsOf(const QVariant& ownerId) {
    return db::run(db::kMain, QStringLiteral(R"(
        select id_animal, nome, num_microchip, num_pedigree
        from animal
        where id_proprietario = :owner
        order by id_animal
    )"),
                   {{QStringLiteral("owner"), ownerId}});
}

int moveAnimals(const QList<int>& animals, int ownerId, const QDate& date, const QDateTime& now) {
    if (!animals.isEmpty())
        db::holdRow(QStringLiteral("proprietario"), QStringLiteral("Id_Proprietario"), ownerId);
    int moved = 0;
    for (const int animal : animals) {
        const db::RowSet current = db::run(db::kMain, QStringLiteral(R"(
            select id_proprietario, id_animal
            from animal
            where id_animal = :animal
        )"),
                                           {{QStringLiteral("animal"), animal}});
        if (current.count() == 0)
            continue;
        const QVariant previous = current.row(0)[0];
        if (!db::toText(previous).trimmed().isEmpty() && db::toInt(previous) == ownerId)
            continue;
        db::updateRow({.table = tables::animal(),
                       .key = animal,
                       .columns = {QStringLiteral("Id_Proprietario")},
                       .typed = {{QStringLiteral("id_proprietario"), ownerId}},
                       .read = {{QStringLiteral("id_proprietario"), previous}}});
        animalsql::insertOwnerChange(animal, previous, ownerId, QDateTime(date, QTime(0, 0)), now);
        ++moved;
    }
    return moved;
}

void prepareHistory(db::Query& query) {
    query.clear();
    query << "select a.Id_Animal, a.Id_Anterior_Proprietario, a.Id_Proprietario, a.Dt_Muda_Proprietario,"
          << "b.Nome as NomeAnimal, b.Sexo, b.Data_Nascimento, b.Esterilizado, b.Num_Microchip,"
          << "c.Nome as nomeproprietarioAtu, c.Telefone_Residencial as TelResAtu, c.Telefone_Celular as TelCelAtu,"
          << "c.Telefone_Recado as TelRecAtu, c.Num_CPF_CNPJ as CpfAtu, c.Tipo_Pessoa as TipPessoaAtu, c.Id_Endereco "
             "as EnderecoAtu,"
          << "d.Nome as nomeproprietarioAnt1,"
          << "e.Nome as nomeproprietarioAnt2,"
          << "f.TIP_LOGR,  f.NOM_LOGR, f.NUM_IMOV_LOGR, f.NOM_BAIR, f.NUM_CEP,"
          << "g.Nome as NomeEspecie,"
          << "h.Nome as NomeRaca"
          << " from Histo_Muda_Proprietario a"
          << " left join Animal          b on (a.id_Animal=b.id_Animal)"
          << " left join Proprietario    c on (b.id_Proprietario=c.id_Proprietario)"
          << " left join Proprietario    d on (a.id_Proprietario=d.id_Proprietario)"
          << " left join Proprietario    e on (a.id_Anterior_Proprietario=e.id_Proprietario)"
          << " left join Endereco        f on (c.id_Endereco=f.id_endereco)"
          << " left join Especie         g on (b.Id_Especie=g.id_Especie)"
          << " left join Raca            h on (b.Id_Raca=h.Id_Raca)"
          << " order by a.Id_Animal, a.Id_Histo_Muda_Proprietario";
}

}  // namespace transfersql
