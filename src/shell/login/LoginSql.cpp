// SPDX-License-Identifier: GPL-3.0-or-later
// The login's statements; every value travels as a parameter.
#include "shell/login/LoginSql.h"

#include "platform/db/Query.h"

namespace loginsql {

namespace {

// The "nome" of the first row of a look-up by one key; empty without a row.
QString nameBy(const QStringList& lines, const char* param, int key) {
    db::Query q;
    for (const QString& line : lines)
        q << line;
    q.bind(param, key);
    q.open();
    return q.str("nome");
}

}  // namespace

QList<Unit> activeUnits() {
    db::Query q;
    q << R"(
        select id_unidade_Trabalho,
            cast(id_unidade_Trabalho as varchar(10)) || ' - ' || upper(nome) as nome
        from unidade_trabalho
    )"
      << "where fold(trim(ind_status)) = 'ativo'";
    q.open();
    QList<Unit> units;
    for (q.first(); !q.eof(); q.next())
        units.append({q.str("id_unidade_Trabalho"), q.str("nome")});
    return units;
}

QList<Operator> operatorsOf(int unit) {
    db::Query q;
    q << " select Id_Usuario, id_perfil, "
      << " upper(Nome) as nome, Senha, senha_crip from usuario"
      << " where  Id_Unidade_Trabalho = :unidade "
      << " and fold(trim(Bloqueado)) = 'nao' "
      << " and fold(trim(inativo)) = 'nao' "
      << " and (login is not null) and (trim(login) <> '') "
      << " and (nome is not null) and (trim(nome) <> '') "
      << " and Id_Unidade_Trabalho <> 15 "
      << " and fold(trim(Status_Registro)) = 'ativo'"
      << " and id_proprietario is null "
      << " and not exists (select 1 from proprietario p where p.id_usu_web = usuario.Id_Usuario) "
      << " order by nome ";
    q.bind("unidade", unit);
    q.open();
    QList<Operator> operators;
    for (q.first(); !q.eof(); q.next())
        operators.append({q.str("Id_Usuario"), q.str("id_perfil"), q.str("nome")});
    return operators;
}

std::optional<QString> profileCaption(int profile) {
    db::Query q;
    q << " select upper(nome)as nome from perfil "
      << " where id_perfil = :perfil";
    q.bind("perfil", profile);
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    return q.str("nome");
}

std::optional<LoggedUser> check(int user, const QString& digest, int unit) {
    db::Query q;
    q << " select Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, upper(Nome) as nome, Login, Senha, senha_crip  "
      << " from usuario "
      << " where Id_Usuario = :usuario "
      << " and fold(trim(senha_crip)) = fold(:digest) "
      << " and id_unidade_trabalho = :unidade "
      << " and fold(trim(Bloqueado)) = 'nao' "
      << " and fold(trim(inativo)) = 'nao' "
      << " and fold(trim(Status_Registro)) = 'ativo' "
      << " and id_proprietario is null "
      << " and not exists (select 1 from proprietario p where p.id_usu_web = usuario.Id_Usuario) ";
    q.bind("usuario", user).bind("digest", digest).bind("unidade", unit);
    q.open();
    if (q.isEmpty() || q.str("id_usuario").trimmed().isEmpty())
        return std::nullopt;
    return LoggedUser{q.str("Id_Usuario"), q.str("Id_Perfil"), q.str("Id_Unidade_Trabalho"), q.str("nome"),
                      q.str("Login")};
}

QString unitName(int unit) {
    return nameBy({" select nome from unidade_Trabalho ", " where id_unidade_trabalho = :unidade "}, "unidade", unit);
}

QString profileName(int profile) {
    return nameBy({" select nome from perfil ", " where id_perfil = :perfil "}, "perfil", profile);
}

}  // namespace loginsql
