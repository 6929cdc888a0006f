// Statements of the special bookings, every value bound.

#include "availability/EspecialSql.h"

#include "platform/db/Database.h"

#include "availability/MapaSql.h"
#include "common/Session.h"
#include "common/TextIndexes.h"

namespace especial {

namespace {

QVariant usuario() { return auditUser().isNull() ? QVariant(QMetaType(QMetaType::Int)) : auditUser(); }

}  // namespace

void abreConcessoes(db::DataSet& dados) {
    dados.close();
    dados.setSql(QStringLiteral(
        "select agen.*, nome from agendamento_especial agen"
        " left join proprietario prop on (prop.Id_proprietario = agen.Id_proprietario)"
        " where Ind_Registro_Excluido = 'FALSE'"
        " order by agen.id_proprietario, agen.inserido_em desc"));
    dados.open();
}

db::RowSet proprietarios(const QString& codigo, const QString& nome) {
    QString sql = QStringLiteral(
        "select id_proprietario, Nome, Telefone_Residencial, Tipo_Pessoa, Num_CPF_CNPJ, Num_CI, Email_Proprietario,"
        " Inserido_Em from Proprietario where 1 = 1 ");
    QVariantHash p;
    if (!codigo.trimmed().isEmpty()) {
        sql += QStringLiteral(" and Id_Proprietario = :codigo");
        p.insert(QStringLiteral("codigo"), codigo.trimmed().toInt());
    }
    if (!nome.trimmed().isEmpty()) {
        const db::Condition condition = db::foldedContains(QStringLiteral("nome"), QStringLiteral("nome"), nome,
                                                           textindex::ownerName(QStringLiteral("Id_Proprietario")));
        sql += QStringLiteral(" and ") + condition.sql;
        p.insert(condition.values);
    }
    return db::run(db::kMain, sql + QStringLiteral(" order by id_proprietario "), p);
}

void pesquisa(db::DataSet& dados, bool porDocumento, const QString& dado) {
    dados.close();
    db::Query& q = dados.query();
    q.clear();
    q << QStringLiteral(" select Nome, Num_CPF_CNPJ, Tipo_Pessoa, Email_Proprietario, Id_Proprietario from proprietario ")
      << QStringLiteral(" where 1=1 ");
    if (porDocumento) {
        q << QStringLiteral(" and Num_CPF_CNPJ = :dado");
        q.bind(QStringLiteral("dado"), dado);
    } else {
        q.andWhere(db::foldedContains(QStringLiteral("nome"), QStringLiteral("dado"), dado,
                                      textindex::ownerName(QStringLiteral("Id_Proprietario"))));
    }
    q << QStringLiteral(" order by Nome, Id_Proprietario");
    dados.open();
}

bool existeProprietario(int id) {
    return mapa::valorInteiro(QStringLiteral("select count(*) as valor from proprietario where id_proprietario = :id"),
                   {{"id", id}}) > 0;
}

db::RowSet atendimentosPorStatus(int proprietario) {
    return db::run(db::kMain,
                   " select ats.Nome, count(*) as valor from Atendimento ate"
                   " left join Atendimento_Status ats on (ate.Id_Atendimento_Status = ats.Id_Atendimento_Status)"
                   " where ats.id_Atendimento_Status <> 7 and ate.Id_Proprietario = :proprietario"
                   " group by ats.nome order by ats.nome ",
                   {{"proprietario", proprietario}});
}

db::RowSet atendimentos(int proprietario) {
    return db::run(db::kMain,
                   " select ani.nome as animal, ats.Nome as status, Data_Hora_Atendimento, utra.Nome as unidade"
                   " from Atendimento ate"
                   " left join Atendimento_Status ats on (ate.Id_Atendimento_Status = ats.Id_Atendimento_Status)"
                   " left join animal ani on (ate.Id_Animal = ani.Id_Animal)"
                   " left join Unidade_Trabalho utra on (ate.Id_Unidade_agendada = utra.Id_Unidade_Trabalho)"
                   " where ate.Id_Proprietario = :proprietario order by Data_Hora_Atendimento, ate.Id_Atendimento",
                   {{"proprietario", proprietario}});
}

int totalReservado(int proprietario) {
    return mapa::valorInteiro(QStringLiteral(" select sum(Qt_Agendamento_Reservado) as valor from Agendamento_especial "
                                  " where Ind_Registro_Excluido = 'FALSE' and Id_Proprietario = :proprietario"),
                   {{"proprietario", proprietario}});
}

Saldo saldo(int proprietario) {
    return Saldo{totalReservado(proprietario),
                 mapa::valorInteiro(QStringLiteral(" select count(*) as qt_usado from Atendimento "
                                        " where Id_Atendimento_Status <> 7 and Id_Proprietario = :proprietario"),
                         {{"proprietario", proprietario}})};
}

void concede(int proprietario, int quantidade) {
    db::run(db::kMain,
            " insert into Agendamento_especial (Id_Agendamento_Especial, Id_Proprietario, Qt_Agendamento_Reservado,"
            " Ind_Registro_Excluido, Inserido_Por, Inserido_Em) values (:id, :proprietario, :quantidade, 'FALSE',"
            " :usuario, :agora)",
            {{"id", mapa::proximaChave(QStringLiteral("Agendamento_especial"), QStringLiteral("Id_Agendamento_Especial"))},
             {"proprietario", proprietario},
             {"quantidade", quantidade},
             {"usuario", usuario()},
             {"agora", db::serverTime()}});
}

void retira(int concessao, const db::RowValues& lida) {
    db::runGuarded("update Agendamento_especial set Ind_Registro_Excluido = 'TRUE', Excluido_Em = :agora,"
                   " Excluido_Por = :usuario where id_agendamento_especial = :id",
                   {{"agora", db::serverTime()}, {"usuario", usuario()}, {"id", concessao}}, lida,
                   {QStringLiteral("Ind_Registro_Excluido"), QStringLiteral("Qt_Agendamento_Reservado")});
}

}  // namespace especial
