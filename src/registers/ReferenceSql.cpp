// SPDX-License-Identifier: GPL-3.0-or-later
// The reference tables' statements; every value travels as a parameter.
#include "registers/ReferenceSql.h"

namespace referencesql {

namespace {

QString lines(const QStringList& statement) { return statement.join(QLatin1Char('\n')); }

}  // namespace

QString searchSql(const QString& key, const QString& table) {
    return QStringLiteral(" select %1, upper(Nome) as nome  from %2 ").arg(key, table);
}

void openList(db::Query& q, const QString& listSql) {
    q.clear();
    q << listSql;
    q.open();
}

QString lookedUpText(const QString& lookupSql, const QVariant& id) {
    db::Query q;
    q << lookupSql;
    q.bind(QStringLiteral("id"), id);
    q.open();
    return q.str(q.fieldNames().value(0)).trimmed();
}

QString speciesList() { return QStringLiteral("select id_especie, nome,descricao from especie"); }
QString sizeList() { return QStringLiteral("select id_porte, descricao from porte"); }
QString coatList() { return QStringLiteral("select id_pelo, descricao from pelo"); }
QString measureUnitList() { return QStringLiteral("select id_Unidade_Medida, nome, descricao from unidade_Medida"); }
QString measureUnitName() { return QStringLiteral(" select nome from unidade_medida  where id_unidade_medida = :id"); }

QString groupReport() {
    return lines({QStringLiteral(" select Id_Grupo_Animal, nome, descricao, Ind_Status "),
                  QStringLiteral(" from Grupo_Animal ")});
}

QString speciesReport() {
    return lines({QStringLiteral("select Id_especie, nome, descricao, Ind_Status"), QStringLiteral("from especie")});
}

QString breedReport() {
    return lines({QStringLiteral("select a.id_raca, upper(a.nome) as nome , a.descricao as desc_raca,"),
                  QStringLiteral(" b.descricao as desc_porte, c.descricao as desc_pelo, a.ind_status"),
                  QStringLiteral("from raca a"), QStringLiteral("left join porte b on (a.id_porte = b.id_porte)"),
                  QStringLiteral("left join pelo c on (a.id_pelo = c.id_pelo)")});
}

QString coatReport() { return QStringLiteral("select id_pelo, descricao, ind_status from pelo"); }
QString sizeReport() { return QStringLiteral("select id_porte, descricao, ind_status from porte"); }

QString attendanceStatusReport() {
    return QStringLiteral("select id_atendimento_status, nome, descricao, ind_status from Atendimento_status");
}

QString measureUnitReport() {
    return QStringLiteral("select id_unidade_medida, nome, descricao, ind_status from unidade_medida ");
}

QString medicineReport() {
    return QStringLiteral("select id_medicamento, nome, descricao, ind_status from medicamento");
}

QString procedureTypeReport() {
    return QStringLiteral("select id_tipo_procedimento, nome, descricao, ind_status  from tipo_procedimento");
}

QString occurrenceTypeReport() {
    return lines({QStringLiteral("select id_tipo_ocorrencia, nome, descricao, ind_status, ind_finaliza_caso"),
                  QStringLiteral(" from tipo_ocorrencia")});
}

QString weightTextReport() {
    return lines({QStringLiteral("select id_receituario_texto_peso, peso, texto, ind_status "),
                  QStringLiteral(" from receituario_texto_peso")});
}

}  // namespace referencesql
