// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on vacina and its three auxiliary tables.
#include "registry/events/VaccinationSql.h"

#include "common/schema/Tables.h"
#include "platform/db/Keys.h"

namespace vaccinationsql {

namespace {

db::RowSet active(const QString& select) {
    return db::run(db::kMain, select + QStringLiteral(" where fold(trim(Ind_registro_ativo)) = 'ativo' order by Nome "),
                   {});
}

QVariantHash params(const Vaccination& v) {
    return {{QStringLiteral("animal"), v.animal},
            {QStringLiteral("vaccine"), v.vaccine},
            {QStringLiteral("reason"), v.reason},
            {QStringLiteral("intercurrence"), v.intercurrence}};
}

}  // namespace

db::RowSet vaccines() { return active(QStringLiteral("select Id_tipo_vacina, Nome, Descricao from Tipo_vacina")); }

db::RowSet reasons() {
    return active(QStringLiteral("SELECT ID_tipo_motivo_nao_vacina, Nome, Descricao FROM tipo_motivo_nao_vacina"));
}

db::RowSet intercurrences() {
    return active(QStringLiteral("select Id_tipo_vacina_ocorrencia, Nome, Descricao from tipo_vacina_ocorrencia"));
}

void selectVaccinations(db::DataSet& grid, int animalId) {
    grid.setSql(QStringLiteral(
        R"(
            select vac.Id_vacina, ani.Nome as nomeAnimal, vac.Data_atividade,
                upper(tv.nome) as nomeTipoVacina, upper(tvo.Nome) as NomeOcorrencia,
                upper(mnv.Nome) as NomeMotivoNaoVacina
            from vacina vac
            left join Tipo_vacina tv on (vac.Id_tipo_vacina = tv.Id_tipo_vacina)
            left join Tipo_vacina_ocorrencia tvo
                on (vac.Id_tipo_vacina_ocorrencia = tvo.Id_tipo_vacina_ocorrencia)
            left join Tipo_motivo_nao_vacina mnv
                on (vac.Id_tipo_motivo_nao_vacina = mnv.Id_tipo_motivo_nao_vacina)
            left join animal ani on (vac.Id_Animal = ani.Id_Animal)
            where vac.Id_animal = :animal
            order by vac.Data_atividade, vac.Id_vacina
        )"));
    grid.query().bind(QStringLiteral("animal"), animalId);
    grid.open();
}

bool recordedOnDay(const Vaccination& v) {
    QVariantHash p = params(v);
    p.insert(QStringLiteral("from"), QDateTime(v.date, QTime(0, 0)));
    p.insert(QStringLiteral("to"), QDateTime(v.date.addDays(1), QTime(0, 0)));
    return db::run(db::kMain, QStringLiteral(R"(
        select Id_Animal
        from vacina
        where Id_Animal = :animal
          and Id_tipo_vacina = :vaccine
          and Id_tipo_vacina_ocorrencia = :intercurrence
          and Id_tipo_motivo_nao_vacina = :reason
          and Data_atividade >= :from
          and Data_atividade < :to
        limit 1
    )"),
                   p)
               .count() > 0;
}

int insertVaccination(const Vaccination& v, const QDateTime& now) {
    db::holdRow(QStringLiteral("animal"), QStringLiteral("Id_Animal"), v.animal);
    return db::insertRow(tables::vacina(),
                         {{QStringLiteral("id_animal"), v.animal},
                          {QStringLiteral("id_tipo_vacina"), v.vaccine},
                          {QStringLiteral("id_tipo_vacina_ocorrencia"), v.intercurrence},
                          {QStringLiteral("id_tipo_motivo_nao_vacina"), v.reason},
                          {QStringLiteral("data_atividade"), QDateTime(v.date, QTime(0, 0))}},
                         tables::byUser(now));
}

void deleteVaccination(int vaccinationId, const db::RowValues& read) {
    db::deleteRow({.table = tables::vacina(), .key = vaccinationId, .read = read});
}

}  // namespace vaccinationsql
