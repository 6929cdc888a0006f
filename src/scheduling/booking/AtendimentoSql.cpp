// SPDX-License-Identifier: GPL-3.0-or-later
// The attendance booking's statements.
#include "scheduling/booking/AtendimentoSql.h"

#include "common/schema/Tables.h"
#include "platform/db/ColumnText.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

#include <QStringList>

namespace atendimentosql {

namespace {

db::RowSet run(const QString& sql, const QVariantHash& params = {}) { return db::run(db::kMain, sql, params); }

void select(db::DataSet& data, const QString& where, const QVariantHash& params = {}) {
    data.setSql(QStringLiteral(" select * from atendimento "));
    if (!where.isEmpty())
        data.query().add(where);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        data.query().bind(it.key(), it.value());
    data.open();
}

}  // namespace

void selectOne(db::DataSet& data, const QVariant& attendanceId) {
    select(data, QStringLiteral(" where id_atendimento = :id "), {{QStringLiteral("id"), attendanceId}});
}

void selectOfAnimal(db::DataSet& data, const QVariant& animalId) {
    select(data, QStringLiteral(" where Id_Animal = :animal "), {{QStringLiteral("animal"), animalId}});
}

void selectAll(db::DataSet& data) { select(data, {}); }

void selectNone(db::DataSet& data) { select(data, QStringLiteral(" where 1=2 ")); }

db::RowSet activeOwners() {
    return run(QStringLiteral(R"(
        select b.id_Proprietario, b.nome
        from proprietario b
        where fold(trim(b.status_registro)) = 'ativo'
        order by b.nome
    )"));
}

db::RowSet owner(const QVariant& ownerId) {
    return run(QStringLiteral("select b.id_Proprietario, b.nome from proprietario b where b.id_proprietario = :id"),
               {{QStringLiteral("id"), ownerId}});
}

db::RowSet animalsOf(const QVariant& ownerId) {
    return run(QStringLiteral(R"(
        select a.id_Proprietario, a.id_animal, a.nome
        from animal a
        where a.id_proprietario = :owner
        order by a.nome
    )"),
               {{QStringLiteral("owner"), ownerId}});
}

db::RowSet activeUnits() {
    return run(QStringLiteral(R"(
        select id_unidade_trabalho, nome
        from unidade_trabalho
        where fold(trim(coalesce(ind_status, ''))) <> 'inativo'
        order by nome
    )"));
}

db::RowSet statuses() {
    return run(QStringLiteral("select Id_Atendimento_status, nome, descricao from Atendimento_status order by nome"));
}

QVariant ownerUnit(const QVariant& ownerId) {
    const db::RowSet rows = run(QStringLiteral(R"(
        select p.id_Unidade_Trabalho
        from proprietario p
        join unidade_trabalho u on (u.id_unidade_trabalho = p.id_unidade_trabalho)
        where p.id_proprietario = :id
          and fold(trim(coalesce(u.ind_status, ''))) <> 'inativo'
    )"),
                                {{QStringLiteral("id"), ownerId}});
    return rows.count() > 0 ? rows.row(0)[0] : QVariant();
}

QVariant sterilised(const QVariant& animalId) {
    if (animalId.isNull())
        return {};
    const db::RowSet rows = run(QStringLiteral("select id_animal, esterilizado from animal where id_animal = :id"),
                                {{QStringLiteral("id"), animalId}});
    return rows.count() > 0 ? rows.row(0)[1] : QVariant();
}

void writeSterilised(const QVariant& animalId, const QString& flag, const QVariant& read) {
    db::updateRow({.table = tables::animal(),
                   .key = animalId,
                   .columns = {QStringLiteral("Esterilizado")},
                   .typed = {{QStringLiteral("esterilizado"), flag}},
                   .read = {{QStringLiteral("esterilizado"), read}}});
}

QString daySummarySql() {
    return QStringLiteral(
        R"(
            select a.Id_Atendimento, a.Id_Unidade_Agendada, b.nome, b.Id_Atendimento_Status,
                a.Data_Hora_Atendimento, c.id_especie, d.nome as nomeEspecie
            from atendimento a
            left join Atendimento_Status b on (a.Id_Atendimento_Status = b.Id_Atendimento_Status)
            left join animal c on (a.id_animal = c.id_animal)
            left join especie d on (c.id_especie = d.id_especie)
            where a.id_unidade_agendada = :unidade
              and a.Data_Hora_Atendimento >= :inicio
              and a.Data_Hora_Atendimento < :fim
        )");
}

QVariantHash daySummaryParams(const QVariant& unitId, const QDate& day) {
    return {{QStringLiteral("unidade"), unitId},
            {QStringLiteral("inicio"), QDateTime(day, QTime(0, 0))},
            {QStringLiteral("fim"), QDateTime(day.addDays(1), QTime(0, 0))}};
}

QString summaryOrder() {
    return QStringLiteral(" order by a.id_unidade_agendada, b.nome, a.Data_Hora_Atendimento, b.Id_Atendimento_Status ");
}

QHash<int, QString> procedureNames(const QList<int>& ids) {
    QHash<int, QString> names;
    for (int id : ids) {
        const db::RowSet rows = run(QStringLiteral(R"(
            select a.id_tipo_procedimento, b.nome
            from procedimento a
            left join tipo_procedimento b on (a.id_tipo_procedimento = b.id_tipo_procedimento)
            where a.id_atendimento = :id
            order by a.id_procedimento
        )"),
                                    {{QStringLiteral("id"), id}});
        QStringList list;
        for (int r = 0; r < rows.count(); ++r)
            list << db::toText(rows.row(r)[1]);
        names.insert(id, list.join(QLatin1Char(',')));
    }
    return names;
}

db::RowSet notificationRow(const QVariant& attendanceId) {
    return run(QStringLiteral(
                   R"(
                       select t_proce.nome as procedimento, st_aten.nome as status_atendimento, ani.sexo,
                           ani.nome as animal, esp.nome as nome_especie, prop.nome as nome_proprietario,
                           unid.descricao as end_local_atendimento, aten.Data_Hora_Atendimento
                       from atendimento aten
                       left join animal ani on (aten.id_animal = ani.id_animal)
                       left join especie esp on (ani.id_especie = esp.id_especie)
                       left join proprietario prop on (aten.id_proprietario = prop.id_proprietario)
                       left join unidade_trabalho unid on (aten.Id_Unidade_Agendada = unid.id_Unidade_Trabalho)
                       left join atendimento_status st_aten
                           on (aten.Id_Atendimento_Status = st_aten.Id_Atendimento_Status)
                       left join procedimento proce on (aten.id_atendimento = proce.id_atendimento)
                       left join tipo_procedimento t_proce
                           on (proce.Id_Tipo_Procedimento = t_proce.Id_Tipo_Procedimento)
                       where aten.id_atendimento = :id
                       order by proce.id_procedimento
                       limit 1
                   )"),
               {{QStringLiteral("id"), attendanceId}});
}

QString standardOrientation() {
    const db::RowSet rows = run(QStringLiteral(R"(
        select Texto_padrao_orientacao
        from orientacao_padrao_atend
        order by Id_Orientacao_Padrao_Atend
        limit 1
    )"));
    return rows.count() > 0 ? db::fitColumn(db::toText(rows.row(0)[0]), 4000) : QString();
}

// --- members ---

MemberStatements medicineStatements() {
    return {tables::medicamentoGasto(), QStringLiteral(R"(
        select a.Id_Medicamento, a.Nome as nome_medicamento, a.Descricao, a.Id_Unidade_Medida,
            b.nome as nome_Medida
        from medicamento a
        left outer join Unidade_Medida b on (a.Id_Unidade_Medida = b.Id_Unidade_Medida)
        order by a.Nome
    )"),
            QStringLiteral(R"(
                select g.*, m.Nome as NomeMedicamento, u.nome as UnidadeMedida
                from medicamento_gasto g
                left join medicamento m on (g.Id_Medicamento = m.Id_Medicamento)
                left join Unidade_Medida u on (m.Id_Unidade_Medida = u.Id_Unidade_Medida)
                where g.id_atendimento = :id
                order by g.Id_Medicamento_Gasto
            )"),
            QStringLiteral(R"(
                select id_Medicamento_Gasto
                from Medicamento_Gasto
                where id_Atendimento = :id
                  and id_Medicamento = :item
            )")};
}

MemberStatements professionalStatements() {
    return {tables::atendimentoProfissional(), QStringLiteral(R"(
        select id_profissional, nome
        from profissional
        where fold(trim(coalesce(Inativo, ''))) <> 'sim'
        order by nome
    )"),
            QStringLiteral(R"(
                select ap.*, p.nome as ProfissionalNome
                from atendimento_profissional ap
                left join profissional p on (ap.Id_Profissional = p.Id_Profissional)
                where ap.id_atendimento = :id
                order by p.nome
            )"),
            QStringLiteral(R"(
                select id_profissional
                from Atendimento_Profissional
                where id_profissional = :item
                  and id_atendimento = :id
            )")};
}

MemberStatements procedureStatements() {
    return {tables::procedimento(),
            QStringLiteral("select id_tipo_procedimento, nome, descricao from tipo_procedimento order by nome"),
            QStringLiteral(R"(
                select p.*, t.nome as NomeProcedimento
                from procedimento p
                left join tipo_procedimento t on (p.id_tipo_procedimento = t.id_tipo_procedimento)
                where p.id_atendimento = :id
                order by p.id_procedimento
            )"),
            QStringLiteral(R"(
                select id_procedimento
                from procedimento
                where id_tipo_Procedimento = :item
                  and id_atendimento = :id
            )")};
}

db::RowSet memberChoices(const MemberStatements& member) { return run(member.listSql); }

void selectMembers(db::DataSet& data, const MemberStatements& member, const QVariant& attendanceId) {
    data.setSql(member.companionSql);
    data.query().bind(QStringLiteral("id"), attendanceId);
    data.open();
}

bool isMember(const MemberStatements& member, const QVariant& item, const QVariant& attendanceId) {
    return run(member.duplicateSql, {{QStringLiteral("item"), item}, {QStringLiteral("id"), attendanceId}}).count() > 0;
}

void insertMember(const MemberStatements& member, const db::RowValues& values, const db::Stamp& stamp) {
    db::holdRow(QStringLiteral("atendimento"), QStringLiteral("Id_Atendimento"),
                db::lowered(values).value(QStringLiteral("id_atendimento")));
    db::insertRow(member.table, values, stamp);
}

void deleteMember(const MemberStatements& member, const db::RowValues& read) {
    db::deleteRow({.table = member.table, .read = read});
}

}  // namespace atendimentosql
