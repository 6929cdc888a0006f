// SPDX-License-Identifier: GPL-3.0-or-later
// Statements of the special bookings, every value bound.

#include "availability/EspecialSql.h"

#include "availability/MapaSql.h"
#include "common/rules/Documents.h"
#include "common/schema/Tables.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Keys.h"
#include "platform/db/Search.h"

namespace especialsql {

void openGrants(db::DataSet& data) {
    data.close();
    data.setSql(QStringLiteral(R"(
        select agen.*, nome
        from agendamento_especial agen
        left join proprietario prop on (prop.Id_proprietario = agen.Id_proprietario)
        where fold(trim(Ind_Registro_Excluido)) = 'false'
        order by agen.id_proprietario, agen.inserido_em desc
    )"));
    data.open();
}

db::RowSet owners(const QString& code, const QString& name) {
    QString sql = QStringLiteral(
        R"(
            select id_proprietario, Nome, Telefone_Residencial, Tipo_Pessoa, Num_CPF_CNPJ, Num_CI,
                Email_Proprietario, Inserido_Em
            from Proprietario
            where 1 = 1
        )");
    QVariantHash p;
    if (!code.trimmed().isEmpty()) {
        sql += QStringLiteral(" and Id_Proprietario = :codigo");
        p.insert(QStringLiteral("codigo"), code.trimmed().toInt());
    }
    if (!name.trimmed().isEmpty()) {
        const db::Condition condition = db::foldedContains(QStringLiteral("nome"), QStringLiteral("nome"), name,
                                                           textindex::ownerName(QStringLiteral("Id_Proprietario")));
        sql += QStringLiteral(" and ") + condition.sql;
        p.insert(condition.values);
    }
    return db::run(db::kMain, sql + QStringLiteral(" order by id_proprietario "), p);
}

void searchOwners(db::DataSet& data, bool byDocument, const QString& text) {
    data.close();
    db::Query& q = data.query();
    q.clear();
    q << QStringLiteral(
             " select Nome, Num_CPF_CNPJ, Tipo_Pessoa, Email_Proprietario, Id_Proprietario from proprietario ")
      << QStringLiteral(" where 1=1 ");
    if (byDocument) {
        q << QStringLiteral(" and %1 = :dado").arg(documentKeySql(QStringLiteral("Num_CPF_CNPJ")));
        q.bind(QStringLiteral("dado"), documentKey(text));
    } else {
        q.andWhere(db::foldedContains(QStringLiteral("nome"), QStringLiteral("dado"), text,
                                      textindex::ownerName(QStringLiteral("Id_Proprietario"))));
    }
    q << QStringLiteral(" order by Nome, Id_Proprietario");
    data.open();
}

bool ownerExists(int id) {
    return mapasql::intValue(QStringLiteral("select count(*) as valor from proprietario where id_proprietario = :id"),
                             {{"id", id}}) > 0;
}

db::RowSet attendancesByStatus(int owner) {
    return db::run(db::kMain,
                   R"(
                       select ats.Nome, count(*) as valor
                       from Atendimento ate
                       left join Atendimento_Status ats on (ate.Id_Atendimento_Status = ats.Id_Atendimento_Status)
                       where ats.id_Atendimento_Status <> 7
                         and ate.Id_Proprietario = :proprietario
                       group by ats.nome
                       order by ats.nome
                   )",
                   {{"proprietario", owner}});
}

db::RowSet attendances(int owner) {
    return db::run(db::kMain,
                   R"(
                       select ani.nome as animal, ats.Nome as status, Data_Hora_Atendimento, utra.Nome as unidade
                       from Atendimento ate
                       left join Atendimento_Status ats on (ate.Id_Atendimento_Status = ats.Id_Atendimento_Status)
                       left join animal ani on (ate.Id_Animal = ani.Id_Animal)
                       left join Unidade_Trabalho utra on (ate.Id_Unidade_agendada = utra.Id_Unidade_Trabalho)
                       where ate.Id_Proprietario = :proprietario
                       order by Data_Hora_Atendimento, ate.Id_Atendimento
                   )",
                   {{"proprietario", owner}});
}

int SomaReservadoProprietario(int owner) {
    return mapasql::intValue(QStringLiteral(R"(
        select sum(Qt_Agendamento_Reservado) as valor
        from Agendamento_especial
        where fold(trim(Ind_Registro_Excluido)) = 'false'
          and Id_Proprietario = :proprietario
    )"),
                             {{"proprietario", owner}});
}

Balance balance(int owner) {
    return Balance{SomaReservadoProprietario(owner), mapasql::intValue(QStringLiteral(R"(
        select count(*) as qt_usado
        from Atendimento
        where Id_Atendimento_Status <> 7
          and Id_Proprietario = :proprietario
    )"),
                                                                       {{"proprietario", owner}})};
}

void grant(int owner, int quantity) {
    db::holdRow(QStringLiteral("proprietario"), QStringLiteral("Id_Proprietario"), owner);
    db::insertRow(
        tables::agendamentoEspecial(),
        {{"Id_Proprietario", owner}, {"Qt_Agendamento_Reservado", quantity}, {"Ind_Registro_Excluido", "FALSE"}},
        tables::byUser());
}

void withdraw(int grantId, const db::RowValues& read) {
    db::updateRow({.table = tables::agendamentoEspecial(),
                   .key = grantId,
                   .columns = {"Ind_Registro_Excluido", "Excluido_Em", "Excluido_Por"},
                   .typed = {{"Ind_Registro_Excluido", "TRUE"},
                             {"Excluido_Em", db::serverTime()},
                             {"Excluido_Por", tables::byUser().by}},
                   .read = read,
                   .alsoCompared = {"Ind_Registro_Excluido", "Qt_Agendamento_Reservado"}});
}

}  // namespace especialsql
