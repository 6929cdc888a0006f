// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on the owner's web account in usuario.
#include "registry/owner/WebAccountSql.h"

#include "common/access/PasswordDigest.h"
#include "common/schema/Tables.h"

namespace webaccountsql {

int insert(const NewAccount& a) {
    db::RowValues account{{QStringLiteral("id_unidade_trabalho"), a.unit},
                          {QStringLiteral("id_perfil"), a.profile},
                          {QStringLiteral("nome"), a.name},
                          {QStringLiteral("login"), a.login.trimmed()},
                          {QStringLiteral("senha_crip"), GeraHashSenha(a.password.trimmed())},
                          {QStringLiteral("bloqueado"), a.blocked ? kBloqueadoSim : kBloqueadoNao},
                          {QStringLiteral("inativo"), QStringLiteral("NAO")},
                          {QStringLiteral("id_proprietario"), a.ownerId},
                          {QStringLiteral("num_cpf_cnpj"), a.document},
                          {QStringLiteral("ind_solicitacao_nova_senha"), QStringLiteral("N")},
                          {QStringLiteral("email_usu"), a.email},
                          {QStringLiteral("status_registro"), QStringLiteral("ATIVO")}};
    if (a.phone.present) {
        account.insert(QStringLiteral("ddd_tel_usu"), a.phone.areaCode);
        account.insert(QStringLiteral("telefone_usu"), a.phone.number);
    }
    return db::insertRow(tables::usuario(), account, a.stamp);
}

Accounts accountsOf(int ownerId) {
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(R"(
        select *
        from usuario
        where id_proprietario = :owner
        order by id_usuario
    )"),
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

    db::EditedRow row{.table = tables::usuario(), .stamp = c.stamp};
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
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(R"(
        select senha_crip
        from usuario
        where id_proprietario = :owner
          and fold(trim(Status_Registro)) = 'ativo'
    )"),
                                    {{QStringLiteral("owner"), ownerId}});
    for (int i = 0; i < rows.count(); ++i)
        if (!db::toText(rows.row(i)[0]).trimmed().isEmpty())
            return true;
    return false;
}

namespace {

// An active account (of alias u) whose owner no longer exists or is inactive; a user of the system has no owner.
const QString kOrphan = QStringLiteral(
    R"(
        fold(trim(u.Status_Registro)) = 'ativo'
          and u.Id_proprietario is not null
          and not exists (select 1 from proprietario p where p.id_proprietario = u.Id_proprietario
              and fold(trim(p.Status_Registro)) = 'ativo')
    )");

const QString kSameLogin = QStringLiteral(" fold(trim(u.Login)) = fold(:login) ");

}  // namespace

int emailCount(const QString& email, std::optional<int> ownerId, const QString& login) {
    QString sql = QStringLiteral(
                      R"(
                          select count(*) as valor
                          from usuario u
                          where fold(trim(Email_usu)) = fold(:email)
                            and fold(trim(Status_Registro)) = 'ativo'
                            and not (%1 and %2)
                      )")
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
                   QStringLiteral(R"(
                       select id_usuario
                       from usuario u
                       where %1
                         and fold(trim(u.Status_Registro)) = 'ativo'
                         and (:owner = 0 or coalesce(u.Id_proprietario, 0) <> :owner)
                         and not (%2)
                       limit 1
                   )")
                       .arg(kSameLogin, kOrphan),
                   {{QStringLiteral("login"), login.trimmed()}, {QStringLiteral("owner"), ownerId}})
               .count() > 0;
}

std::optional<int> claimOrphans(const QString& login, int ownerId, bool takeOne, const QString& password,
                                const db::Stamp& stamp) {
    const db::RowSet rows = db::run(
        db::kMain,
        QStringLiteral(" select * from usuario u where %1 and %2 order by u.id_usuario ").arg(kSameLogin, kOrphan),
        {{QStringLiteral("login"), login.trimmed()}});
    std::optional<int> taken;
    for (int r = 0; r < rows.count(); ++r) {
        db::EditedRow account{.table = tables::usuario(),
                              .read = db::rowValues(rows, r),
                              .stamp = stamp,
                              // Still the same orphan of the same login when written: another workstation's
                              // change stops the save.
                              .alsoCompared = {QStringLiteral("Login"), QStringLiteral("Status_Registro"),
                                               QStringLiteral("Id_proprietario")}};
        account.key = account.read.value(QStringLiteral("id_usuario"));
        if (takeOne && !taken) {
            account.columns = {QStringLiteral("Id_proprietario"), QStringLiteral("senha_crip")};
            account.typed = {{QStringLiteral("id_proprietario"), ownerId},
                             {QStringLiteral("senha_crip"), GeraHashSenha(password.trimmed())}};
            taken = db::toInt(account.key);
        } else {
            account.columns = {QStringLiteral("Inativo"), QStringLiteral("Status_Registro")};
            account.typed = {{QStringLiteral("inativo"), QStringLiteral("SIM")},
                             {QStringLiteral("status_registro"), QStringLiteral("INATIVO")}};
        }
        db::updateRow(account);
    }
    return taken;
}

void deactivate(int ownerId, const db::Stamp& stamp) {
    for (const db::RowValues& account : accountsOf(ownerId))
        db::updateRow({.table = tables::usuario(),
                       .key = account.value(QStringLiteral("id_usuario")),
                       .columns = {QStringLiteral("Inativo"), QStringLiteral("Status_Registro")},
                       .typed = {{QStringLiteral("inativo"), QStringLiteral("SIM")},
                                 {QStringLiteral("status_registro"), QStringLiteral("INATIVO")}},
                       .stamp = stamp});
}

}  // namespace webaccountsql
