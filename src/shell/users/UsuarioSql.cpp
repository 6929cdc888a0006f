// SPDX-License-Identifier: GPL-3.0-or-later
// The users' statements; every value travels as a parameter.
#include "shell/users/UsuarioSql.h"

#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"

namespace usuariosql {

QString selectSql() {
    return QStringLiteral(
        R"(
            select u.*, p.nome as nome_perfil, t.nome as nome_unidade
            from usuario u
            left join perfil p on (p.id_perfil = u.id_perfil)
            left join unidade_trabalho t on (t.id_unidade_trabalho = u.id_unidade_trabalho)
        )");
}

void selectUser(db::DataSet& data, const QVariant& userId) {
    data.setSql(selectSql() + QStringLiteral(" where u.id_usuario = :key "));
    data.query().bind(QStringLiteral("key"), userId);
    data.open();
}

void openUnits(db::Query& q) {
    q.clear();
    q << " select id_unidade_trabalho, upper(nome) as nome, descricao  from unidade_trabalho "
      << " where fold(trim(ind_status)) = 'ativo' order by nome";
    q.open();
}

void openProfiles(db::Query& q) {
    q.clear();
    q << " select id_perfil, upper(nome) as nome, descricao from perfil order by nome";
    q.open();
}

QString consultSql() { return QStringLiteral("select id_usuario, nome, login, bloqueado, inativo from usuario "); }

void prepareReport(db::Query& q) {
    q << "select id_usuario,upper(nome)as nome,id_perfil,Id_Unidade_Trabalho,Bloqueado,Inativo from usuario";
}

int userCount() {
    db::Query total;
    total << "select count(*) as total from usuario";
    total.open();
    return total.integer("total");
}

QString nameIn(const QString& table, const QString& keyColumn, int id) {
    db::Query q;
    q << QStringLiteral(" select Nome from %1 ").arg(table) << QStringLiteral(" where %1 = :id").arg(keyColumn);
    q.bind(QStringLiteral("id"), id);
    q.open();
    return q.isEmpty() ? QString() : q.str(QStringLiteral("Nome"));
}

bool nameTaken(const QString& name) {
    db::Query q;
    q << " select nome from usuario "
      << " where fold(trim(nome)) = fold(:nome) "
      << " limit 1 ";
    q.bind("nome", name.trimmed());
    q.open();
    return !q.isEmpty();
}

bool belongsToOwner(const QVariant& userId) {
    db::Query q;
    q << " select u.id_usuario from usuario u "
      << " where u.id_usuario = :id "
      << " and (u.id_proprietario is not null "
      << "      or exists (select 1 from proprietario p where p.id_usu_web = u.id_usuario)) ";
    q.bind("id", userId);
    q.open();
    return !q.isEmpty();
}

bool replacePasswordDigest(int userId, const QString& currentDigest, const QString& newDigest) {
    const db::Statement s = db::updateStatement({.table = tables::usuario(),
                                                 .key = userId,
                                                 .columns = {QStringLiteral("senha_crip")},
                                                 .typed = {{QStringLiteral("senha_crip"), newDigest}},
                                                 .stamp = tables::byUser(db::serverTime()),
                                                 .condition = {QStringLiteral("fold(trim(senha_crip)) = fold(:atual)"),
                                                               {{QStringLiteral("atual"), currentDigest}}}});
    int affected = 0;
    db::run(db::kMain, s.sql, s.params, &affected);
    return affected > 0;
}

}  // namespace usuariosql
