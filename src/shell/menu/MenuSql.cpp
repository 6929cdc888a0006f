// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's statement; the profile travels as a parameter.
#include "shell/menu/MenuSql.h"

#include "platform/db/Query.h"

namespace menusql {

QList<ProfileFormRow> menuRows(int profileId) {
    db::Query q;
    q << " select perfil_form.*, form.tag from form, perfil_form "
      << " where form.id_form = perfil_form.id_form "
      << " and id_perfil = :perfil ";
    q.bind("perfil", profileId);
    q.open();
    QList<ProfileFormRow> rows;
    for (q.first(); !q.eof(); q.next())
        rows.append({q.value("tag").isNull() ? -1 : q.integer("tag"), q.str("visualizar")});
    return rows;
}

}  // namespace menusql
