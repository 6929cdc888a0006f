// SPDX-License-Identifier: GPL-3.0-or-later
// The forms registry's statements; every value travels as a parameter.
#include "shell/forms/FormRegistrySql.h"

namespace formregistrysql {

QString insertSql() {
    return QStringLiteral(
        "insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status, Inserido_Por, "
        "Inserido_Em, Modificado_Por, Modificado_Em) "
        "values (:Id_Form, :Nome, :Descricao, :Tipo_Form, :Tag, :Ind_Status, :Inserido_Por, "
        ":Inserido_Em, :Modificado_Por, :Modificado_Em)");
}

QString modifySql() {
    return QStringLiteral(
        "update form set Id_Form = :Id_Form, Nome = :Nome, Descricao = :Descricao, "
        "Tipo_Form = :Tipo_Form, Tag = :Tag, Ind_Status = :Ind_Status, "
        "Inserido_Por = :Inserido_Por, Inserido_Em = :Inserido_Em, "
        "Modificado_Por = :Modificado_Por, Modificado_Em = :Modificado_Em "
        "where Id_Form = :OLD_Id_Form");
}

}  // namespace formregistrysql
