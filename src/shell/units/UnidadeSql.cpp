// SPDX-License-Identifier: GPL-3.0-or-later
// The work units' statements; every value travels as a parameter.
#include "shell/units/UnidadeSql.h"

namespace unidadesql {

QString consultSql() { return QStringLiteral("select id_unidade_trabalho, nome from unidade_trabalho "); }

void prepareReport(db::Query& q) {
    q << "select id_unidade_trabalho, nome, descricao, ind_status from unidade_trabalho";
}

}  // namespace unidadesql
