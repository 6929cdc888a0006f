// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on proprietario for the owner register and its consult.
#include "registry/owner/OwnerSql.h"

#include "common/rules/Documents.h"
#include "common/schema/Tables.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Keys.h"
#include "platform/db/Search.h"
#include "registry/owner/WebAccountSql.h"
#include "registry/shared/TypedNumber.h"

#include <QStringList>

using namespace registry;

namespace ownersql {

namespace {

// The consult's owner id and name are named as the grid's titles order them: both tables have such columns.
const QString kConsultColumns = QStringLiteral(
    R"(
        select b.Id_Proprietario as Id_Proprietario, b.nome as nome, b.Telefone_Residencial,
            b.Telefone_Celular, b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI, a.Id_Animal,
            a.nome as nome_animal, a.num_microchip, c.Id_Endereco, c.TIP_LOGR, c.NOM_LOGR,
            c.NUM_IMOV_LOGR, c.DES_CMPL_ENDR, c.NOM_BAIR
    )");
const QString kConsultFromOwner = QStringLiteral(
    R"(
        from proprietario b
        left join animal a on (a.id_proprietario = b.id_proprietario)
        left join endereco c on (b.id_endereco = c.id_endereco)
    )");
const QString kConsultFromAnimal = QStringLiteral(
    R"(
        from animal a
        left join proprietario b on (a.id_proprietario = b.id_proprietario)
        left join endereco c on (b.id_endereco = c.id_endereco)
    )");

bool any(const QString& sql, int ownerId) {
    return db::run(db::kMain, sql, {{QStringLiteral("owner"), ownerId}}).count() > 0;
}

}  // namespace

db::RowSet units() {
    return db::run(db::kMain, QStringLiteral(R"(
        select id_Unidade_Trabalho, nome
        from unidade_Trabalho
        where fold(trim(ind_status)) = 'ativo'
        order by nome
    )"),
                   {});
}

void selectNone(db::DataSet& owner) {
    owner.setSql(QStringLiteral(" select * from proprietario where 1=2 "));
    owner.open();
}

void selectActive(db::DataSet& owner) {
    owner.setSql(QStringLiteral(
        " select * from proprietario where fold(trim(status_registro)) = 'ativo' order by id_proprietario "));
    owner.open();
}

void selectOwner(db::DataSet& owner, int ownerId) {
    owner.setSql(QStringLiteral(
        " select * from proprietario where id_proprietario = :id and fold(trim(Status_Registro)) = 'ativo' "));
    owner.query().bind(QStringLiteral("id"), ownerId);
    owner.open();
}

void selectOwnerAnyStatus(db::DataSet& owner, int ownerId) {
    owner.setSql(QStringLiteral(" select * from proprietario where id_proprietario = :id "));
    owner.query().bind(QStringLiteral("id"), ownerId);
    owner.open();
}

int insertOwner(const db::RowValues& owner, const QVariant& addressId, const db::Stamp& stamp) {
    db::RowValues values = db::lowered(owner);
    values.insert(QStringLiteral("id_endereco"), addressId);
    values.insert(QStringLiteral("status_registro"), QStringLiteral("ATIVO"));
    return db::insertRow(tables::proprietario(), values, stamp);
}

void updateOwner(const db::RowValues& typed, const db::RowValues& read, int ownerId, const QVariant& addressId,
                 const db::Stamp& stamp) {
    db::RowValues values = db::lowered(typed);
    values.insert(QStringLiteral("id_endereco"), addressId);
    db::updateRow({.table = tables::proprietario(), .key = ownerId, .typed = values, .read = read, .stamp = stamp});
}

void setWebUser(int ownerId, int userId) {
    // The owner this save has just written.
    db::updateRow({.table = tables::proprietario(),
                   .key = ownerId,
                   .columns = {QStringLiteral("id_usu_web")},
                   .typed = {{QStringLiteral("id_usu_web"), userId}}});
}

bool documentTaken(const QString& document, int ownerId) {
    return db::run(db::kMain,
                   QStringLiteral(R"(
                       select id_Proprietario
                       from Proprietario
                       where %1 = :doc
                         and fold(trim(Status_Registro)) = 'ativo'
                         and id_proprietario <> :owner
                       limit 1
                   )")
                       .arg(documentKeySql(QStringLiteral("Num_CPF_CNPJ"))),
                   {{QStringLiteral("doc"), documentKey(document)}, {QStringLiteral("owner"), ownerId}})
               .count() > 0;
}

std::optional<int> ownerByDocumentPrefix(const QString& document) {
    const QString d = documentKey(document);
    if (d.size() != 11 && d.size() != 14)
        return std::nullopt;
    const QString key = documentKeySql(QStringLiteral("Num_CPF_CNPJ"));
    const db::Condition prefix = db::prefixOf(key, QStringLiteral("prefix"), d.left(d.size() == 11 ? 9 : 12));
    QVariantHash values = prefix.values;
    values.insert(QStringLiteral("size"), int(d.size()));
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(R"(
                                        select id_proprietario
                                        from proprietario
                                        where %1
                                          and length(%2) = :size
                                          and fold(trim(Status_Registro)) = 'ativo'
                                        limit 1
                                    )")
                                        .arg(prefix.sql, key),
                                    values);
    if (rows.count() == 0)
        return std::nullopt;
    return db::toInt(rows.row(0)[0]);
}

std::optional<NameMatch> ownerNamed(const QString& name) {
    const db::RowSet rows = db::run(db::kMain,
                                    QStringLiteral(
                                        R"(
                                            select a.id_proprietario, a.Nome, a.Telefone_Residencial,
                                                a.Telefone_Celular, a.Telefone_Recado, b.TIP_LOGR, b.NOM_LOGR,
                                                b.NUM_IMOV_LOGR, b.DES_CMPL_ENDR
                                            from proprietario a
                                            left join endereco b on (a.id_endereco = b.id_endereco)
                                            where fold(trim(a.nome)) = fold(:name)
                                              and fold(trim(a.Status_Registro)) = 'ativo'
                                            order by a.id_proprietario
                                            limit 1
                                        )"),
                                    {{QStringLiteral("name"), name.trimmed()}});
    if (rows.count() == 0)
        return std::nullopt;
    const auto& r = rows.row(0);
    auto t = [&](int i) { return db::toText(r[i]).trimmed(); };
    return NameMatch{db::toInt(r[0]), t(1), t(2), t(3), t(4), t(5), t(6), t(7), t(8)};
}

int ownerEmailCount(const QString& email, int ownerId) {
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(R"(
        select count(*) as valor
        from proprietario pr
        where fold(trim(Email_Proprietario)) = fold(:email)
          and fold(trim(Status_Registro)) = 'ativo'
          and id_proprietario <> :owner
    )"),
                                    {{QStringLiteral("email"), email.trimmed()}, {QStringLiteral("owner"), ownerId}});
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

OwnerLookups lookups(const OwnerValues& owner, int ownerId) {
    return {
        [=] { return documentTaken(owner.document, ownerId); },
        [=] { return ownerEmailCount(owner.email, ownerId); },
        [=] {
            return webaccountsql::emailCount(owner.email, owner.inserting ? std::nullopt : std::optional<int>(ownerId),
                                             owner.document);
        },
        [=] { return webaccountsql::loginTaken(owner.document, ownerId); },
    };
}

void holdDuplicates(const OwnerValues& owner) {
    // Always in this order, so that two saves never wait for each other's next value.
    db::holdValue(QStringLiteral("Num_CPF_CNPJ"), documentKey(owner.document));
    db::holdValue(QStringLiteral("Email"), db::fold(owner.email.trimmed()));
    db::holdValue(QStringLiteral("Login"), db::fold(owner.document.trimmed()));
}

bool hasHistory(int ownerId) {
    return any(QStringLiteral(" select id_animal from Histo_muda_proprietario where id_proprietario = :owner limit 1 "),
               ownerId);
}

bool hasAnimals(int ownerId) {
    return any(QStringLiteral(" select id_proprietario, id_animal from animal where id_proprietario = :owner limit 1 "),
               ownerId);
}

void deleteOwner(int ownerId, const db::RowValues& read) {
    db::deleteRow({.table = tables::proprietario(), .key = ownerId, .read = read});
}

ConsultFilter consultFilter(const QString& criterion, const QString& text) {
    ConsultFilter f;
    f.matched = true;
    f.shownText = text;
    const QString c = criterion.trimmed();
    auto prefix = [&](const QString& column) {
        const db::Condition condition = db::foldedPrefix(column, QStringLiteral("valor"), text);
        f.clause = QStringLiteral(" and ") + condition.sql;
        f.params.insert(condition.values);
    };
    auto number = [&](const QString& column) {
        f.clause = QStringLiteral(" and %1 = :valor ").arg(column);
        f.params.insert(QStringLiteral("valor"), wholeNumber(text));
    };
    if (c == kConsultaCodigoProp) {
        f.fromOwner = true;
        number(QStringLiteral("b.id_proprietario"));
    } else if (c == kConsultaNomeProp) {
        f.fromOwner = true;
        prefix(QStringLiteral("b.nome"));
    } else if (c == kConsultaDocumento) {
        f.fromOwner = true;
        f.shownText = documentKey(text);
        const db::Condition condition =
            db::prefixOf(documentKeySql(QStringLiteral("b.Num_CPF_CNPJ")), QStringLiteral("valor"), f.shownText);
        f.clause = QStringLiteral(" and ") + condition.sql;
        f.params.insert(condition.values);
    } else if (c == kConsultaIdentidade) {
        prefix(QStringLiteral("b.Num_CI"));
    } else if (c == kConsultaLogradouro) {
        prefix(QStringLiteral("c.NOM_LOGR"));
    } else if (c == kConsultaCodAnimal) {
        number(QStringLiteral("a.id_animal"));
    } else if (c == kConsultaNomeAnimal) {
        prefix(QStringLiteral("a.nome"));
    } else if (c == kConsultaMicrochip) {
        const db::Condition condition = db::foldedContains(
            QStringLiteral("replace(a.Num_Microchip, ' ', '')"), QStringLiteral("valor"),
            QString(text).remove(QLatin1Char(' ')), textindex::microchip(QStringLiteral("a.Id_Animal")));
        f.clause = QStringLiteral(" and ") + condition.sql;
        f.params.insert(condition.values);
    } else {
        f.matched = false;
    }
    return f;
}

void prepareOwnersReport(db::Query& query, std::optional<int> ownerId) {
    query.clear();
    query << "select a.id_proprietario, a.nome, a.Telefone_Residencial, a.Telefone_Celular, a.Telefone_Recado,"
          << " a.Num_CPF_CNPJ, a.Tipo_Pessoa, a.Num_CI, a.Id_Endereco,"
          << " e.Id_Distrito, e.COD_AREA_ABRN, e.NUM_LOGR, e.NUM_SEQU_LOGR, e.TIP_LOGR, e.NOM_LOGR, e.NUM_IMOV_LOGR,"
          << " e.DES_CMPL_ENDR, e.NUM_BAIR, e.NOM_BAIR, e.NUM_CEP, e.num_locl, e.nom_locl,"
          << " h.Id_Histo_Muda_Proprietario, h.id_animal, h.dt_muda_proprietario, h.Id_Proprietario as "
             "idProprietarioAtual,"
          << " n.Id_Animal as Animal, n.Id_Especie, n.Id_Raca, n.Id_Grupo_Animal, n.Nome as NomeAnimal, n.Sexo,"
          << " n.Data_Nascimento, n.Esterilizado, n.Num_Microchip,"
          << " s.Nome as nome_especie, r.Nome as nome_raca, g.Nome as nome_grupo_animal"
          << " from proprietario a"
          << " left join endereco e on (a.Id_Endereco = e.Id_Endereco)"
          << " left join histo_muda_proprietario h on (h.Id_Proprietario = a.id_proprietario)"
          << " left join animal n on (n.Id_Animal = h.id_animal)"
          << " left join especie s on (s.Id_Especie = n.Id_Especie)"
          << " left join raca r on (r.Id_Raca = n.Id_Raca)"
          << " left join grupo_animal g on (g.Id_Grupo_Animal = n.Id_Grupo_Animal)"
          << " where 1=1";
    if (ownerId) {
        query << " and a.id_proprietario = :owner";
        query.bind(QStringLiteral("owner"), *ownerId);
    }
    query << " order by a.nome, a.id_proprietario, h.Id_Histo_Muda_Proprietario";
}

void prepareConsult(db::Query& query, const ConsultFilter& filter, const QString& orderBy) {
    query.clear();
    query << kConsultColumns;
    if (filter.matched) {
        // "(column || '') >= ''" tells both planners that the owner cannot be missing from the outer join, so that
        // the search may start from the index of an address.
        query << (filter.fromOwner ? kConsultFromOwner : kConsultFromAnimal)
              << QStringLiteral(" where (b.status_registro || '') >= '' and fold(trim(b.status_registro)) = 'ativo' ")
              << filter.clause;
        query.bind(filter.params);
    } else {
        query << kConsultFromAnimal << QStringLiteral(" where 1=2 ");
    }
    if (!orderBy.isEmpty())
        query << QStringLiteral(" order by ") + orderBy;  // a column of the consult's grid, never what is typed
}

}  // namespace ownersql
