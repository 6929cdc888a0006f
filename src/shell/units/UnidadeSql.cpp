// SPDX-License-Identifier: GPL-3.0-or-later
// The work units' statements; every value travels as a parameter.
#include "shell/units/UnidadeSql.h"

namespace unidadesql {

QString insertSql() {
    return QStringLiteral(
        "insert into unidade_Trabalho (Id_Unidade_Trabalho, Nome, Descricao, Ind_Status, "
        "Inserido_Por, Inserido_Em, Modificado_Por, Modificado_Em) "
        "values (:Id_Unidade_Trabalho, :Nome, :Descricao, :Ind_Status, "
        ":Inserido_Por, :Inserido_Em, :Modificado_Por, :Modificado_Em)");
}

QString modifySql() {
    return QStringLiteral(
        "update unidade_Trabalho set Nome = :Nome, Descricao = :Descricao, Ind_Status = :Ind_Status, "
        "Inserido_Por = :Inserido_Por, Inserido_Em = :Inserido_Em, "
        "Modificado_Por = :Modificado_Por, Modificado_Em = :Modificado_Em "
        "where Id_Unidade_Trabalho = :OLD_Id_Unidade_Trabalho");
}

QString consultSql() { return QStringLiteral("select id_unidade_trabalho, nome from unidade_trabalho "); }

void prepareReport(db::Query& q) {
    q << "select id_unidade_trabalho, nome, descricao, ind_status from unidade_trabalho";
}

}  // namespace unidadesql
