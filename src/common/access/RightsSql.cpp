// SPDX-License-Identifier: GPL-3.0-or-later
// The rights look-up of the form openers; every value travels as a parameter.
#include "common/access/RightsSql.h"

#include "platform/db/Query.h"

namespace rightssql {

std::optional<QHash<QString, QString>> formRights(int idPerfil, int idForm) {
    db::Query q;
    q << " select id_perfil,id_form, visualizar, incluir, alterar, excluir, imprimir "
      << " from perfil_form "
      << " where id_perfil = :perfil "
      << " and id_form = :form ";
    q.bind("perfil", idPerfil).bind("form", idForm);
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    QHash<QString, QString> rights;
    for (const char* right : {"visualizar", "incluir", "alterar", "excluir", "imprimir"})
        rights.insert(QString::fromLatin1(right), q.str(QString::fromLatin1(right)));
    return rights;
}

}  // namespace rightssql
