// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on ocorrencia and its lists, for the occurrence register and its report and export.
#include "registry/events/OccurrenceSql.h"

#include "common/schema/Tables.h"
#include "platform/db/Keys.h"

namespace occurrencesql {

db::RowSet owners(int ownerId) {
    if (ownerId > 0)
        return db::run(db::kMain, QStringLiteral(R"(
            select id_proprietario, nome
            from proprietario
            where id_proprietario = :owner
        )"),
                       {{QStringLiteral("owner"), ownerId}});
    return db::run(db::kMain, QStringLiteral("select id_proprietario, nome from proprietario order by nome"), {});
}

db::RowSet animalsOf(int ownerId) {
    return db::run(
        db::kMain,
        QStringLiteral(" select id_animal, nome from animal where id_proprietario = :owner order by id_animal "),
        {{QStringLiteral("owner"), ownerId}});
}

db::RowSet types() {
    return db::run(db::kMain, QStringLiteral(R"(
        select id_Tipo_Ocorrencia, nome, ind_finaliza_caso, descricao
        from Tipo_Ocorrencia
        order by id_Tipo_Ocorrencia
    )"),
                   {});
}

void selectOccurrences(db::DataSet& occurrences, int animalId) {
    occurrences.setSql(QStringLiteral(R"(
        select a.*, b.nome as NomeOcorrencia
        from ocorrencia a
        left join tipo_ocorrencia b on (a.id_tipo_ocorrencia = b.id_tipo_ocorrencia)
        where a.id_animal = :animal
        order by a.dt_ocorrencia, a.id_ocorrencia
    )"));
    occurrences.query().bind(QStringLiteral("animal"), animalId);
    occurrences.open();
}

bool sameTypeRecorded(int animalId, int typeId) {
    return db::run(db::kMain, QStringLiteral(R"(
        select id_ocorrencia
        from ocorrencia
        where id_animal = :animal
          and id_tipo_ocorrencia = :type
    )"),
                   {{QStringLiteral("animal"), animalId}, {QStringLiteral("type"), typeId}})
               .count() > 0;
}

QString closingOccurrence(int animalId) {
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(R"(
        select a.id_ocorrencia, b.nome, b.ind_finaliza_caso
        from ocorrencia a
        left outer join tipo_ocorrencia b on (a.id_Tipo_ocorrencia = b.id_Tipo_ocorrencia )
        where fold(trim(b.ind_finaliza_caso)) = 'sim'
          and id_animal = :animal
        order by a.dt_ocorrencia
        limit 1
    )"),
                                    {{QStringLiteral("animal"), animalId}});
    return rows.count() ? db::toText(rows.row(0)[1]).trimmed() : QString();
}

int insertOccurrence(int animalId, int typeId, const QDate& date, const QDateTime& now) {
    db::holdRow(QStringLiteral("animal"), QStringLiteral("Id_Animal"), animalId);
    return db::insertRow(tables::ocorrencia(),
                         {{QStringLiteral("id_animal"), animalId},
                          {QStringLiteral("id_tipo_ocorrencia"), typeId},
                          {QStringLiteral("dt_ocorrencia"), QDateTime(date, QTime(0, 0))}},
                         tables::byUser(now));
}

void deleteOccurrence(int occurrenceId, const db::RowValues& read) {
    db::deleteRow({.table = tables::ocorrencia(), .key = occurrenceId, .read = read});
}

void prepareReport(db::Query& query, int animalId, int ownerId) {
    query.clear();
    query << " Select a.Dt_Ocorrencia, "
          << " b.Id_Animal, b.nome as NomeAnimal, c.Id_Proprietario, c.nome as nomeProprietario, "
          << " Sexo, Data_Nascimento, Esterilizado, Num_Microchip, d.nome as nomeRaca, e.nome as nomeEspecie, "
          << " f.descricao as nomePelo, g.descricao as nomePorte, h.nome as nomeTipo_ocorrencia, "
          << " i.NUM_LOGR, i.TIP_LOGR, i.NOM_LOGR, i.NUM_IMOV_LOGR, i.DES_CMPL_ENDR, "
          << " i.NOM_BAIR, i.NUM_CEP "
          << " from ocorrencia a "
          << " left join animal b on (a.id_animal = b.id_animal) "
          << " left join proprietario c on (b.Id_Proprietario = c.Id_Proprietario) "
          << " left join Raca d on (b.Id_Raca = d.Id_Raca ) "
          << " left join especie e on (b.Id_Especie = e.Id_Especie) "
          << " left join pelo f on (b.id_pelo = f.id_pelo) "
          << " left join porte g on (b.id_porte = g.id_porte) "
          << " left join tipo_ocorrencia h on (a.Id_Tipo_Ocorrencia = h.Id_Tipo_Ocorrencia) "
          << " left join endereco i on (c.id_endereco = i.id_endereco) ";
    if (animalId > 0) {
        query << " where b.id_animal = :animal and c.id_proprietario = :owner order by  a.Dt_Ocorrencia";
        query.bind(QStringLiteral("animal"), animalId).bind(QStringLiteral("owner"), ownerId);
    } else {
        query << " order by a.Id_Ocorrencia ";
    }
}

void prepareExport(db::Query& query) { prepareReport(query, 0, 0); }

}  // namespace occurrencesql
