// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on the owner's web account in usuario.
#include "registry/owner/WebAccountSql.h"

#include "common/access/PasswordDigest.h"
#include "platform/db/Query.h"

namespace webaccountsql {

int insert(const NewAccount& a) {
    db::Query q;
    q << QStringLiteral(
        " insert into usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip, Bloqueado, "
        " Inativo, Id_proprietario, ");
    if (a.phone.present)
        q << QStringLiteral(" DDD_TEL_USU, Telefone_usu, ");
    q << QStringLiteral(
             " Num_CPF_CNPJ, Ind_solicitacao_nova_senha, Email_usu, Inserido_Por, Inserido_Em, Status_Registro ")
      << QStringLiteral(
             " ) values (:pId_Unidade_Trabalho, :pId_Perfil, :pNome, :pLogin, :pSenha_crip, "
             " :pBloqueado, :pInativo, :pId_proprietario ");
    if (a.phone.present) {
        q << QStringLiteral(" ,:pDDD_TEL_USU, :pTelefone_usu ");
        q.bind(QStringLiteral("pDDD_TEL_USU"), a.phone.areaCode);
        q.bind(QStringLiteral("pTelefone_usu"), a.phone.number);
    }
    q << QStringLiteral(
        " , :pNum_CPF_CNPJ, :pInd_solicitacao_nova_senha, :pEmail_usu, :pInserido_Por, :pInserido_Em, "
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

Accounts accountsOf(int ownerId) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(" select * from usuario where id_proprietario = :owner "
                                                   " order by id_usuario "),
                                    {{QStringLiteral("owner"), ownerId}});
    Accounts accounts;
    for (int r = 0; r < rows.count(); ++r)
        accounts.append(db::rowValues(rows, r));
    return accounts;
}

int update(const AccountChange& c, const Accounts& read) {
    QList<int> readIds;
    for (const db::RowValues& account : read)
        readIds << db::toInt(account.value(QStringLiteral("id_usuario")));
    QList<int> ids;
    for (const db::RowValues& account : accountsOf(c.ownerId))
        ids << db::toInt(account.value(QStringLiteral("id_usuario")));
    if (ids != readIds)
        throw db::Error(db::kRegistroAlterado, db::Error::Kind::RowChanged);

    db::EditedRow row{QStringLiteral("usuario"), QStringLiteral("Id_Usuario"), {}, {}, {}, {}};
    auto set = [&row](const QString& column, const QVariant& value) {
        row.columns << column;
        row.typed.insert(column.toLower(), value);
    };
    set(QStringLiteral("Id_Unidade_Trabalho"), c.unit);
    set(QStringLiteral("Nome"), c.name);
    set(QStringLiteral("Login"), c.login.trimmed());
    if (c.password)
        set(QStringLiteral("senha_crip"), GeraHashSenha(c.password->trimmed()));
    if (c.blocked)
        set(QStringLiteral("Bloqueado"), *c.blocked ? kBloqueadoSim : kBloqueadoNao);
    set(QStringLiteral("Modificado_Por"), c.modifiedBy);
    set(QStringLiteral("Modificado_Em"), c.modifiedAt);
    set(QStringLiteral("Email_usu"), c.email);
    if (c.phone.present && !c.phone.areaCode.trimmed().isEmpty())
        set(QStringLiteral("DDD_TEL_USU"), c.phone.areaCode);
    if (c.phone.present && !c.phone.number.trimmed().isEmpty())
        set(QStringLiteral("Telefone_usu"), c.phone.number);
    for (const db::RowValues& account : read) {
        row.key = account.value(QStringLiteral("id_usuario"));
        row.read = account;
        db::updateRow(row);
    }
    return int(read.size());
}

QString blockOf(const QVariant& userId) {
    if (db::toText(userId).trimmed().isEmpty())
        return {};
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(" select bloqueado from usuario where id_usuario = :id "),
                                    {{QStringLiteral("id"), db::toInt(userId)}});
    return rows.count() ? db::toText(rows.row(0)[0]).trimmed() : QString();
}

Login loginOf(const Accounts& accounts) {
    if (accounts.isEmpty())
        return {};
    return {true, db::toText(accounts.first().value(QStringLiteral("login"))).trimmed(),
            db::toText(accounts.first().value(QStringLiteral("bloqueado"))).trimmed()};
}

bool hasDigest(int ownerId) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(" select senha_crip from usuario where id_proprietario = :owner "
                                                   " and fold(trim(Status_Registro)) = 'ativo' "),
                                    {{QStringLiteral("owner"), ownerId}});
    for (int i = 0; i < rows.count(); ++i)
        if (!db::toText(rows.row(i)[0]).trimmed().isEmpty())
            return true;
    return false;
}

namespace {

// An active account (of alias u) whose owner no longer exists or is inactive; a user of the system has no owner.
const QString kOrphan = QStringLiteral(
    " fold(trim(u.Status_Registro)) = 'ativo' and u.Id_proprietario is not null "
    " and not exists (select 1 from proprietario p where p.id_proprietario = u.Id_proprietario "
    "                 and fold(trim(p.Status_Registro)) = 'ativo') ");

const QString kSameLogin = QStringLiteral(" fold(trim(u.Login)) = fold(:login) ");

}  // namespace

int emailCount(const QString& email, std::optional<int> ownerId, const QString& login) {
    QString sql = QStringLiteral(
                      " select count(*) as valor from usuario u "
                      " where fold(trim(Email_usu)) = fold(:email) "
                      " and fold(trim(Status_Registro)) = 'ativo' and not (%1 and %2) ")
                      .arg(kSameLogin, kOrphan);
    QVariantHash params{{QStringLiteral("email"), email.trimmed()}, {QStringLiteral("login"), login.trimmed()}};
    if (ownerId) {
        sql += QStringLiteral(" and coalesce(Id_proprietario, 0) <> :owner ");
        params.insert(QStringLiteral("owner"), *ownerId);
    }
    const db::RowSet rows = db::run(db::kMain, sql, params);
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

bool loginTaken(const QString& login, int ownerId) {
    return db::run(db::kMain,
                   QStringLiteral(" select id_usuario from usuario u where %1 "
                                  " and fold(trim(u.Status_Registro)) = 'ativo' "
                                  " and (:owner = 0 or coalesce(u.Id_proprietario, 0) <> :owner) "
                                  " and not (%2) limit 1 ")
                       .arg(kSameLogin, kOrphan),
                   {{QStringLiteral("login"), login.trimmed()}, {QStringLiteral("owner"), ownerId}})
               .count() > 0;
}

std::optional<int> claimOrphans(const QString& login, int ownerId, bool takeOne, const QString& password,
                                const QVariant& by, const QDateTime& at) {
    const db::RowSet rows = db::run(
        db::kMain,
        QStringLiteral(" select * from usuario u where %1 and %2 order by u.id_usuario ").arg(kSameLogin, kOrphan),
        {{QStringLiteral("login"), login.trimmed()}});
    std::optional<int> taken;
    for (int r = 0; r < rows.count(); ++r) {
        const db::RowValues read = db::rowValues(rows, r);
        const int id = db::toInt(read.value(QStringLiteral("id_usuario")));
        // Parameters are named in lower case.
        QVariantHash values{
            {QStringLiteral("id"), id}, {QStringLiteral("modificado_por"), by}, {QStringLiteral("modificado_em"), at}};
        // Still the same orphan of the same login when written: another workstation's change stops the save.
        const QStringList same{QStringLiteral("Login"), QStringLiteral("Status_Registro"),
                               QStringLiteral("Id_proprietario")};
        if (takeOne && !taken) {
            values.insert(QStringLiteral("id_proprietario"), ownerId);
            values.insert(QStringLiteral("senha_crip"), GeraHashSenha(password.trimmed()));
            db::runGuarded(QStringLiteral(" update usuario set Id_proprietario = :Id_proprietario, "
                                          " senha_crip = :senha_crip, Modificado_Por = :Modificado_Por, "
                                          " Modificado_Em = :Modificado_Em where Id_Usuario = :id "),
                           values, read, same);
            taken = id;
        } else {
            db::runGuarded(QStringLiteral(" update usuario set Inativo = 'SIM', Status_Registro = 'INATIVO', "
                                          " Modificado_Por = :Modificado_Por, Modificado_Em = :Modificado_Em "
                                          " where Id_Usuario = :id "),
                           values, read, same);
        }
    }
    return taken;
}

void deactivate(int ownerId, const QVariant& by, const QDateTime& at) {
    db::run(db::kMain,
            QStringLiteral(" update usuario set Inativo = 'SIM', Status_Registro = 'INATIVO', "
                           " Modificado_Por = :por, Modificado_Em = :em where Id_proprietario = :owner "),
            {{QStringLiteral("por"), by}, {QStringLiteral("em"), at}, {QStringLiteral("owner"), ownerId}});
}

}  // namespace webaccountsql
