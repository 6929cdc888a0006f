// The profiles' statements; every value travels as a parameter.
#include "shell/PerfilSql.h"

namespace {
const std::array<const char*, 5> kRightColumns{"Visualizar", "Incluir", "Alterar", "Excluir", "Imprimir"};
}  // namespace

namespace perfilsql {

QList<FormRight> rights(const QVariant& idPerfil) {
    QList<FormRight> out;
    if (db::toText(idPerfil).trimmed().isEmpty())
        return out;
    db::Query q;
    q << " select a.Id_Perfil,a.Id_Form,a.Visualizar,a.Incluir, "
      << " a.Alterar,a.Excluir,a.Imprimir,b.Tipo_Form,b.Nome " << " from perfil_form a "
      << " left join form b on (a.id_form = b.id_form) " << " where id_perfil = :perfil ";
    q.bind("perfil", idPerfil);
    q.open();
    for (q.first(); !q.eof(); q.next()) {
        FormRight right{q.value("Id_Form"), q.str("Tipo_Form").trimmed(), q.str("Nome"), QString(), {}};
        for (size_t i = 0; i < kRightColumns.size(); ++i)
            right.rights[i] = q.str(QString::fromLatin1(kRightColumns[i])).trimmed();
        out << right;
    }
    return out;
}

void writeRights(const QVariant& idPerfil, const QList<FormRight>& rights) {
    db::Query q;
    q << " delete from perfil_form " << " where id_perfil = :perfil ";
    q.bind("perfil", idPerfil);
    q.exec();
    for (const FormRight& right : rights) {
        db::Query insert;
        insert << "insert into Perfil_Form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir) "
               << "values (:perfil, :form, :v0, :v1, :v2, :v3, :v4)";
        insert.bind("perfil", idPerfil).bind("form", right.idForm);
        for (size_t i = 0; i < right.rights.size(); ++i)
            insert.bind(QStringLiteral("v%1").arg(i), right.rights[i]);
        insert.exec();
    }
}

bool nameTaken(const QString& nome) {
    db::Query q;
    q << " select nome from perfil " << " where fold(trim(nome)) = fold(:nome) " << " limit 1 ";
    q.bind("nome", nome.trimmed());
    q.open();
    return !q.isEmpty();
}

std::optional<QString> userOf(const QVariant& idPerfil) {
    db::Query q;
    q << " select nome from usuario " << " where id_perfil = :perfil " << " limit 1 ";
    q.bind("perfil", idPerfil);
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    return q.str("nome");
}

void deleteProfile(const QVariant& idPerfil) {
    db::Query q;
    q << " delete from perfil_form where id_perfil = :perfil ";
    q.bind("perfil", idPerfil);
    q.exec();
    q.clear();
    q << "delete from Perfil where id_Perfil = :perfil ";
    q.bind("perfil", idPerfil);
    q.exec();
}

db::RowSet formsOfType(const QString& tipoForm) {
    db::Query q;
    q << " select * from form where tipo_form = :tipo ";
    q.bind("tipo", tipoForm);
    q.open();
    return q.rows();
}

}  // namespace perfilsql
