// Statements on the owner's web account in usuario.
#include "registry/WebAccount.h"

#include "common/PasswordDigest.h"
#include "platform/db/Query.h"

namespace webaccount {

int insert(const NewAccount& a) {
    db::Query q;
    q << QStringLiteral(" insert into usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip, Bloqueado, "
                        " Inativo, Id_proprietario, ");
    if (a.phone.present)
        q << QStringLiteral(" DDD_TEL_USU, Telefone_usu, ");
    q << QStringLiteral(" Num_CPF_CNPJ, Ind_solicitacao_nova_senha, Email_usu, Inserido_Por, Inserido_Em, Status_Registro ")
      << QStringLiteral(" ) values (:pId_Unidade_Trabalho, :pId_Perfil, :pNome, :pLogin, :pSenha_crip, "
                        " :pBloqueado, :pInativo, :pId_proprietario ");
    if (a.phone.present) {
        q << QStringLiteral(" ,:pDDD_TEL_USU, :pTelefone_usu ");
        q.bind(QStringLiteral("pDDD_TEL_USU"), a.phone.areaCode);
        q.bind(QStringLiteral("pTelefone_usu"), a.phone.number);
    }
    q << QStringLiteral(" , :pNum_CPF_CNPJ, :pInd_solicitacao_nova_senha, :pEmail_usu, :pInserido_Por, :pInserido_Em, "
                        " 'ATIVO' ) returning Id_Usuario ");
    q.bind(QStringLiteral("pId_Unidade_Trabalho"), a.unit);
    q.bind(QStringLiteral("pId_Perfil"), a.profile);
    q.bind(QStringLiteral("pNome"), a.name);
    q.bind(QStringLiteral("pLogin"), a.login.trimmed());
    q.bind(QStringLiteral("pSenha_crip"), GeraHashSenha(a.password.trimmed()));
    q.bind(QStringLiteral("pBloqueado"), a.blocked ? kBloqueadoSim : kBloqueadoNao);
    q.bind(QStringLiteral("pInativo"), QStringLiteral("NAO"));
    q.bind(QStringLiteral("pId_proprietario"), a.ownerId);
    q.bind(QStringLiteral("pNum_CPF_CNPJ"), a.document);
    q.bind(QStringLiteral("pInd_solicitacao_nova_senha"), QStringLiteral("N"));
    q.bind(QStringLiteral("pEmail_usu"), a.email);
    q.bind(QStringLiteral("pInserido_Por"), a.insertedBy);
    q.bind(QStringLiteral("pInserido_Em"), a.insertedAt);
    q.exec();
    return q.integer(QStringLiteral("Id_Usuario"));
}

int update(const AccountChange& c) {
    db::Query q;
    q << QStringLiteral(" update usuario set Id_Unidade_Trabalho = :unit, Nome = :nome, Login = :login ");
    if (c.password) {
        q << QStringLiteral(" , senha_crip = :senha ");
        q.bind(QStringLiteral("senha"), GeraHashSenha(c.password->trimmed()));
    }
    if (c.blocked) {
        q << QStringLiteral(" , Bloqueado = :bloqueado ");
        q.bind(QStringLiteral("bloqueado"), *c.blocked ? kBloqueadoSim : kBloqueadoNao);
    }
    q << QStringLiteral(" , Modificado_Por = :por, Modificado_Em = :em, Email_usu = :email ");
    if (c.phone.present && !c.phone.areaCode.trimmed().isEmpty()) {
        q << QStringLiteral(" , DDD_TEL_USU = :ddd ");
        q.bind(QStringLiteral("ddd"), c.phone.areaCode);
    }
    if (c.phone.present && !c.phone.number.trimmed().isEmpty()) {
        q << QStringLiteral(" , Telefone_usu = :telefone ");
        q.bind(QStringLiteral("telefone"), c.phone.number);
    }
    q << QStringLiteral(" where Id_proprietario = :owner ");
    q.bind(QStringLiteral("unit"), c.unit);
    q.bind(QStringLiteral("nome"), c.name);
    q.bind(QStringLiteral("login"), c.login.trimmed());
    q.bind(QStringLiteral("por"), c.modifiedBy);
    q.bind(QStringLiteral("em"), c.modifiedAt);
    q.bind(QStringLiteral("email"), c.email);
    q.bind(QStringLiteral("owner"), c.ownerId);
    return q.exec();
}

QString blockOf(const QVariant& userId) {
    if (db::toText(userId).trimmed().isEmpty())
        return {};
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(" select bloqueado from usuario where id_usuario = :id "),
                                    {{QStringLiteral("id"), db::toInt(userId)}});
    return rows.count() ? db::toText(rows.row(0)[0]).trimmed() : QString();
}

Login loginOf(int ownerId) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(" select Login, Bloqueado from usuario where id_proprietario = :owner "
                                                   " order by id_usuario "),
                                    {{QStringLiteral("owner"), ownerId}});
    if (rows.count() == 0)
        return {};
    return {true, db::toText(rows.row(0)[0]).trimmed(), db::toText(rows.row(0)[1]).trimmed()};
}

bool hasDigest(int ownerId) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(" select senha_crip from usuario where id_proprietario = :owner "
                                                   " and Status_Registro = 'ATIVO' "),
                                    {{QStringLiteral("owner"), ownerId}});
    for (int i = 0; i < rows.count(); ++i)
        if (!db::toText(rows.row(i)[0]).trimmed().isEmpty())
            return true;
    return false;
}

int emailCount(const QString& email, std::optional<int> ownerId) {
    QString sql = QStringLiteral(" select count(*) as valor from usuario usu "
                                 " where fold(trim(Email_usu)) = fold(:email) "
                                 " and Status_Registro = 'ATIVO' ");
    QVariantHash params{{QStringLiteral("email"), email.trimmed()}};
    if (ownerId) {
        sql += QStringLiteral(" and coalesce(Id_proprietario, 0) <> :owner ");
        params.insert(QStringLiteral("owner"), *ownerId);
    }
    const db::RowSet rows = db::run(db::kMain, sql, params);
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

void deactivate(int ownerId, const QVariant& by, const QDateTime& at) {
    db::run(db::kMain,
            QStringLiteral(" update usuario set Inativo = 'SIM', Status_Registro = 'INATIVO', "
                           " Modificado_Por = :por, Modificado_Em = :em where Id_proprietario = :owner "),
            {{QStringLiteral("por"), by}, {QStringLiteral("em"), at}, {QStringLiteral("owner"), ownerId}});
}

}  // namespace webaccount
