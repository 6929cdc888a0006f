// SPDX-License-Identifier: GPL-3.0-or-later
// The exports' statements.

#include "exports/ExportsSql.h"

namespace exportssql {

void prepareAnimals(db::Query& q, const QString& selectList) {
    q.clear();
    q << " select " << selectList << " from animal a"
      << " left join proprietario b on (a.id_proprietario = b.id_proprietario)"
      << " left join  especie c on (a.Id_especie = c.id_especie)"
      << " left join  raca d on (a.Id_raca = d.id_raca)"
      << " left join  pelo e on (a.Id_pelo = e.id_pelo)"
      << " left join  porte f on (a.Id_porte = f.id_porte)"
      << " left join endereco_animal g on (a.id_animal = g.id_animal and  g.id_endereco ="
      << " (select max(w.id_endereco) from endereco_animal w where w.id_animal = a.id_animal ))"
      << " left join endereco h on(g.id_endereco = h.id_endereco)"
      << " left join grupo_animal_animal i on (a.Id_animal = i.id_animal and i.Id_Grupo_Animal_Animal ="
      << "  (select max(y.Id_Grupo_Animal_Animal) from Grupo_Animal_Animal y where a.Id_animal = y.id_animal))"
      << " left join grupo_animal j on (i.id_grupo_animal = j.id_grupo_animal)"
      << " where 1=1 ";
}

namespace {

void stagingWhere(db::Query& q, const StagingFilter& filter) {
    q << " where 1=1 ";
    if (filter.byAttendanceDate)
        q << "and (td_atend >= :dataInicia and td_atend < :dataFim) ";
    else
        q << "and (dt_inse >= :dataInicia and dt_inse < :dataFim) ";
    q.bind("dataInicia", filter.period.from).bind("dataFim", filter.period.before);
    if (!filter.status.isEmpty()) {
        q << " and fold(trim(st_atend)) = fold(:status) ";
        q.bind("status", filter.status.trimmed());
    }
}

}  // namespace

int countStaging(const StagingFilter& filter) {
    db::Query q;
    q << " select count(*) as valor from Exportacao2 ";
    stagingWhere(q, filter);
    q.open();
    return q.integer(QStringLiteral("valor"));
}

void openStaging(db::DataSet& data, const StagingFilter& filter) {
    db::Query& q = data.query();
    q.clear();
    q << " select * from Exportacao2 ";
    stagingWhere(q, filter);
    data.open();
}

QStringList attendanceStatuses() {
    db::Query q;
    q << "select nome, Descricao  from Atendimento_Status ";
    q.open();
    QStringList names;
    for (q.first(); !q.eof(); q.next())
        names << q.str("nome");
    return names;
}

db::RowSet workUnits() {
    db::Query q;
    q << "select id_unidade_trabalho, nome, ind_status from unidade_trabalho";
    q.open();
    return q.rows();
}

void prepareAttendances(db::Query& q, const Period& period, const QVariant& bookingUnit) {
    q.clear();
    q << " select a.Id_Atendimento, "
      << " a.Id_Proprietario, "
      << " a.Id_Animal, d.nome as NomeAnimal, "
      << " a.Id_Unidade_Trabalho, c.nome as NomeUnidadeTrabalho, "
      << " a.Id_Unidade_Agendada,b.nome as NomeUnidadeAgendada, "
      << " a.Data_Hora_Atendimento, "
      << " a.Id_Atendimento_Status, e.nome as NomeAtendimentoStatus, "
      << " a.Inserido_Por, f.nome as NomeInseridoPor, "
      << " a.Inserido_Em, "
      << " a.Modificado_Por, g.nome as NomeModificadoPor, "
      << " a.Modificado_Em, "
      << " a.Ind_Autoriza_Cirurgia, "
      << " d.sexo, "
      << " d.id_pelo, h.descricao as nomePelo, "
      << " d.id_especie, i.nome as nomeEspecie, "
      << " d.id_raca, j.nome as nomeRaca, "
      << " d.esterilizado, "
      << " d.id_porte, l.descricao as nomePorte, "
      << " d.cor, "
      << " d.sinais  "
      << " from atendimento a "
      << " left join unidade_trabalho b on (a.id_unidade_Agendada = b.id_unidade_trabalho) "
      << " left join unidade_trabalho c on (a.Id_Unidade_Trabalho = c.id_unidade_trabalho) "
      << " left join animal d on (a.Id_Animal = d.id_animal) "
      << " left join Atendimento_Status e on (a.id_Atendimento_Status = e.id_Atendimento_Status) "
      << " left join Usuario f on (a.Inserido_Por = f.id_usuario) "
      << " left join Usuario g on (a.Modificado_Por = g.id_usuario) "
      << " left join pelo h on (d.id_pelo = h.id_pelo) "
      << " left join especie i on (d.id_especie = i.id_especie) "
      << " left join raca j on (d.id_raca = j.id_raca) "
      << " left join porte l on (d.id_porte = l.id_porte) "
      << " where 1=1 "
      << " and (a.Data_Hora_Atendimento >= :dataInicia and a.Data_Hora_Atendimento < :dataFim )";
    q.bind("dataInicia", period.from).bind("dataFim", period.before);
    if (!bookingUnit.isNull()) {
        q << " and a.id_unidade_Agendada = :unidade ";
        q.bind("unidade", bookingUnit);
    }
}

}  // namespace exportssql
