// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles' statements; every value travels as a parameter.
#include "shell/profiles/PerfilSql.h"

#include "common/schema/Tables.h"

namespace {
const std::array<const char*, 5> kRightColumns{"Visualizar", "Incluir", "Alterar", "Excluir", "Imprimir"};
}  // namespace

namespace perfilsql {

QString searchSql() { return QStringLiteral(" select id_perfil, nome, descricao from perfil  "); }

void prepareRightsReport(db::Query& q) {
    q << "select a.id_perfil, a.id_form, a.visualizar, a.incluir, a.alterar, a.excluir, a.imprimir "
      << ",b.nome as nome_perfil, b.descricao as desc_perfil, b.ind_status,"
      << "c.nome as nome_form, c.descricao as desc_form, c.tipo_form"
      << "from perfil_form a"
      << "left join perfil b on (a.id_perfil = b.id_perfil)"
      << "left join form c on (a.id_form = c.id_form)"
      << "order by b.nome";
}

QList<FormRight> rights(const QVariant& profileId) {
    QList<FormRight> out;
    if (db::toText(profileId).trimmed().isEmpty())
        return out;
    db::Query q;
    q << " select a.Id_Perfil,a.Id_Form,a.Visualizar,a.Incluir, "
      << " a.Alterar,a.Excluir,a.Imprimir,b.Tipo_Form,b.Nome "
      << " from perfil_form a "
      << " left join form b on (a.id_form = b.id_form) "
      << " where id_perfil = :perfil ";
    q.bind("perfil", profileId);
    q.open();
    for (q.first(); !q.eof(); q.next()) {
        FormRight right{q.value("Id_Form"), q.str("Tipo_Form").trimmed(), q.str("Nome"), QString(), {}};
        for (size_t i = 0; i < kRightColumns.size(); ++i)
            right.rights[i] = q.str(QString::fromLatin1(kRightColumns[i])).trimmed();
        out << right;
    }
    return out;
}

namespace {
const QString kOfProfile = QStringLiteral("id_perfil = :perfil");
}

QList<db::RowValues> storedRights(const QVariant& profileId) {
    return db::readRows(tables::perfilForm(), kOfProfile, {{QStringLiteral("perfil"), profileId}});
}

void writeRights(const QVariant& profileId, const QList<FormRight>& rights, const QList<db::RowValues>& read) {
    db::deleteRowsAsRead(tables::perfilForm(), kOfProfile, {{QStringLiteral("perfil"), profileId}}, read);
    for (const FormRight& right : rights) {
        db::RowValues row{{QStringLiteral("id_perfil"), profileId}, {QStringLiteral("id_form"), right.formId}};
        for (size_t i = 0; i < right.rights.size(); ++i)
            row.insert(QString::fromLatin1(kRightColumns[i]), right.rights[i]);
        db::insertRow(tables::perfilForm(), row);
    }
}

bool nameTaken(const QString& name) {
    db::Query q;
    q << " select nome from perfil "
      << " where fold(trim(nome)) = fold(:nome) "
      << " limit 1 ";
    q.bind("nome", name.trimmed());
    q.open();
    return !q.isEmpty();
}

std::optional<QString> userOf(const QVariant& profileId) {
    db::Query q;
    q << " select nome from usuario "
      << " where id_perfil = :perfil "
      << " limit 1 ";
    q.bind("perfil", profileId);
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    return q.str("nome");
}

void deleteRights(const QVariant& profileId) {
    db::Query q;
    q << " delete from perfil_form where id_perfil = :perfil ";
    q.bind("perfil", profileId);
    q.exec();
}

db::RowSet formsOfType(const QString& formType) {
    db::Query q;
    q << " select * from form where fold(trim(tipo_form)) = fold(:tipo) ";
    q.bind("tipo", formType.trimmed());
    q.open();
    return q.rows();
}

}  // namespace perfilsql
