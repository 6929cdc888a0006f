// The users' statements; every value travels as a parameter.
#include "shell/UsuarioSql.h"

#include "common/Session.h"
#include "platform/db/Query.h"

namespace usuariosql {

QString selectSql() {
    return QStringLiteral(" select u.*, p.nome as nome_perfil, t.nome as nome_unidade from usuario u "
                          " left join perfil p on (p.id_perfil = u.id_perfil) "
                          " left join unidade_trabalho t on (t.id_unidade_trabalho = u.id_unidade_trabalho) ");
}

bool nameTaken(const QString& nome) {
    db::Query q;
    q << " select nome from usuario " << " where fold(trim(nome)) = fold(:nome) " << " limit 1 ";
    q.bind("nome", nome.trimmed());
    q.open();
    return !q.isEmpty();
}

bool belongsToOwner(const QVariant& idUsuario) {
    db::Query q;
    q << " select u.id_usuario from usuario u "
      << " where u.id_usuario = :id "
      << " and (u.id_proprietario is not null "
      << "      or exists (select 1 from proprietario p where p.id_usu_web = u.id_usuario)) ";
    q.bind("id", idUsuario);
    q.open();
    return !q.isEmpty();
}

bool replacePasswordDigest(int idUsuario, const QString& currentDigest, const QString& newDigest) {
    db::Query q;
    q << " update usuario set senha_crip = :nova, Modificado_Por = :por, Modificado_Em = :em "
      << " where id_usuario = :id and senha_crip = :atual ";
    q.bind("nova", newDigest).bind("por", auditUser()).bind("em", db::serverTime());
    q.bind("id", idUsuario).bind("atual", currentDigest);
    return q.exec() > 0;
}

}  // namespace usuariosql
