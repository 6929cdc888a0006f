// SPDX-License-Identifier: GPL-3.0-or-later
// The statements of the registry's reports.

#include "registry/reports/AnimalReportsSql.h"

namespace animalreportssql {

namespace {

QVariantHash period(const QDate& first, const QDate& last) {
    return {{QStringLiteral("pdatainicial"), first.startOfDay()},
            {QStringLiteral("pdatafinal"), last.addDays(1).startOfDay()}};
}

ChartData counted(const QString& title, ChartData::Kind kind, const QString& sql, const QVariantHash& params) {
    ChartData chart{title, kind, {}, {}};
    const db::RowSet rows = db::run(db::kMain, sql, params);
    for (int i = 0; i < rows.count(); ++i)
        chart.values << std::pair{db::toText(rows.row(i)[1]).trimmed(), db::toInt(rows.row(i)[0])};
    return chart;
}

}  // namespace

QList<ChartData> consolidatedCharts(const QDate& first, const QDate& last, bool& failed) {
    const QVariantHash p = period(first, last);
    const struct {
        QString title;
        ChartData::Kind kind;
        const char* sql;
    } countedCharts[] = {
        {QStringLiteral("Quant. Animais Cadastrados por Espécie"), ChartData::Kind::Pie,
         R"(
             Select count(a.Id_Especie) as total_especie, b.nome as nome_especie
             from animal a
             left join especie b on (a.id_especie=b.id_especie)
             where a.Inserido_Em >= :pDataInicial
               and a.Inserido_Em < :pDataFinal
             group by b.nome
         )"},
        {QStringLiteral("Quantitativo de Animais Cadastrados por Raça"), ChartData::Kind::Bar,
         R"(
             Select count(a.Id_Raca) as total_raca, b.nome as nome_raca
             from animal a
             left join raca b on (a.id_raca=b.id_raca)
             where a.Inserido_Em >= :pDataInicial
               and a.Inserido_Em < :pDataFinal
             group by b.nome
         )"},
        {QStringLiteral("Quantitativo de Animais Cadastrados por Grupo"), ChartData::Kind::Pie,
         R"(
             Select count(a.Id_Grupo_Animal) as total_grupo, b.nome as nome_grupo
             from animal a
             left join grupo_animal b on (a.id_grupo_animal=b.id_grupo_animal)
             where a.Inserido_Em >= :pDataInicial
               and a.Inserido_Em < :pDataFinal
             group by b.nome
         )"},
        {QStringLiteral("Quantitativo de Ocorrências Por Tipo"), ChartData::Kind::Pie,
         R"(
             Select count(a.Id_Tipo_Ocorrencia) as total_ocorrencia, b.nome as nome_ocorrencia
             from ocorrencia a
             left join tipo_ocorrencia b on (a.id_tipo_ocorrencia=b.id_tipo_ocorrencia)
             where a.Dt_Ocorrencia >= :pDataInicial
               and a.Dt_Ocorrencia < :pDataFinal
             group by b.nome
         )"},
        {QStringLiteral("Quantitativo de Procedimentos Por Tipo"), ChartData::Kind::Pie,
         R"(
             Select count(a.Id_Tipo_Procedimento) as total_procedimento, b.nome as nome_procedimento
             from procedimento a
             left join tipo_procedimento b on (a.id_tipo_procedimento=b.id_tipo_procedimento)
             where a.Inserido_Em >= :pDataInicial
               and a.Inserido_Em < :pDataFinal
             group by b.nome
         )"},
    };
    // Read in order; the first that fails stops the reading, and it and those after it stay empty.
    QList<ChartData> charts;
    failed = false;
    for (const auto& c : countedCharts) {
        if (!failed) {
            try {
                charts << counted(c.title, c.kind, QString::fromUtf8(c.sql), p);
                continue;
            } catch (const std::exception&) {
                failed = true;
            }
        }
        charts << ChartData{c.title, c.kind, {}, {}};
    }
    const QList<int> units{2, 5, 6, 7};
    QMap<int, QString> names;
    const db::RowSet named = db::run(db::kMain,
                                     R"(
                                         select Id_Unidade_Trabalho, Nome
                                         from unidade_trabalho
                                         where Id_Unidade_Trabalho in (2, 5, 6, 7)
                                     )",
                                     {});
    for (int i = 0; i < named.count(); ++i)
        names.insert(db::toInt(named.row(i)[0]), db::toText(named.row(i)[1]));
    // Counted by the server, day by day; the period is a range on the stored moment, which its index serves.
    QList<UnitDayCount> counts;
    const db::RowSet rows = db::run(db::kMain,
                                    R"(
                                        select a.Id_Unidade_Trabalho, date(a.Data_Hora_Atendimento) as dia,
                                            count(*) as total
                                        from atendimento a
                                        where a.Data_Hora_Atendimento >= :pDataInicial
                                          and a.Data_Hora_Atendimento < :pDataFinal
                                          and a.Id_Unidade_Trabalho in (2, 5, 6, 7)
                                        group by a.Id_Unidade_Trabalho, date(a.Data_Hora_Atendimento)
                                    )",
                                    p);
    for (int i = 0; i < rows.count(); ++i) {
        const QVariant day = rows.row(i)[1];
        counts << UnitDayCount{
            db::toInt(rows.row(i)[0]),
            day.typeId() == QMetaType::QDate ? day.toDate() : QDate::fromString(db::toText(day), Qt::ISODate),
            db::toInt(rows.row(i)[2])};
    }
    ChartData lines{QStringLiteral("Quantitativo de Atendimentos por Unidade"), ChartData::Kind::Lines, {}, {}};
    lines.series = attendancesPerDay(units, names, counts);
    charts << lines;
    return charts;
}

void prepareMicrochipped(db::Query& q, const QDate& first, const QDate& last, int unit) {
    q.clear();
    q << "select d.id_unidade_trabalho, e.nome as nome_Unidade_Trabalho, a.Id_Animal, a.Nome as nome_animal, "
      << "a.Id_Proprietario,d.nome as nome_Proprietario, a.Id_Especie, b.nome as nome_Especie, a.Id_Raca, "
         "c.nome as nome_Raca,  "
      << " a.Id_Grupo_Animal, f.nome as nome_grupo, a.Sexo, a.Esterilizado, a.Num_Microchip "
      << " from animal a "
      << " left join especie b on (a.id_especie = b.id_especie) "
      << " left join raca c on (a.id_raca = c.id_raca) "
      << " left join proprietario d on (a.id_proprietario = d.id_proprietario) "
      << " left join unidade_trabalho e on (d.id_unidade_trabalho = e.id_unidade_trabalho) "
      << " left join grupo_animal f on (a.id_grupo_animal = f.id_grupo_animal) "
      << " where (a.num_Microchip is not null) and (trim(a.num_Microchip) <> '') "
      << " and a.inserido_em >= :dataInicia and a.inserido_em < :dataFim ";
    q.bind(QStringLiteral("dataInicia"), first.startOfDay());
    q.bind(QStringLiteral("dataFim"), last.addDays(1).startOfDay());
    if (unit > 0) {
        q << " and d.id_unidade_trabalho = :unidade ";
        q.bind(QStringLiteral("unidade"), unit);
    }
    q << " order by d.id_unidade_trabalho, a.id_grupo_animal, a.Id_Animal ";
}

void prepareComplete(db::Query& q) {
    q.clear();
    q << "Select a.Id_Proprietario, a.Id_Especie, a.Id_Raca, a.Id_Grupo_Animal, "
      << " a.Nome as nome_animal, a.Id_Pelo, a.Sexo, a.Data_Nascimento, a.Esterilizado, a.Id_Porte, "
      << " a.Num_Microchip, a.Cor, a.Sinais, a.Num_Pedigree, a.OBS, "
      << " e.nome as nome_especie, g.nome as nome_grupo, r.nome as nome_raca, p.nome as nome_proprietario, "
      << " case when trim(coalesce(a.Num_Microchip, '')) <> '' then 1 else 0 end as chipado, "
      << " case when fold(trim(coalesce(a.Esterilizado, ''))) = 'sim' then 1 else 0 end as esterilizado_sim "
      << " from animal a "
      << " left join especie e on (a.id_especie = e.id_especie) "
      << " left join grupo_animal g on (a.id_grupo_animal = g.id_grupo_animal) "
      << " left join raca r on (a.id_raca = r.id_raca) "
      << " left join proprietario p on (a.id_proprietario = p.id_proprietario) "
      << "order by a.id_especie, a.id_grupo_animal, a.Id_Animal";
}

}  // namespace animalreportssql
