// SPDX-License-Identifier: GPL-3.0-or-later
// The owner consult by "MARIA", the animal search by a text inside the owners' names, and the save of a new
// owner with address and web account, each against what a developer would write.
#include "OwnerBench.h"

#include "BenchMethod.h"
#include "BenchSetup.h"
#include "RealisticData.h"

#include "common/access/PasswordDigest.h"
#include "common/access/Session.h"
#include "platform/db/Query.h"
#include "registry/animal/AnimalSql.h"
#include "registry/animal/UPesquisaNovoEndAnimal.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/TypedOwner.h"
#include "registry/owner/UConsultaProprietario.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

#include <cstdio>

using namespace benchdata;

bool ownerCommonPrefixScenario() {
    return onEachEngine(fillRegistry, [](const BenchDatabase&) {
        TfrmConsultaProprietario consult([](int, int) { return true; });
        consult.cbbSelecao->setCurrentText(registry::kConsultaNomeProp);
        consult.edtTexto->setText(QStringLiteral("MARIA"));
        // What a developer would write without folding: the name's own index, searched as a range; every row
        // read, as the consult counts them.
        return timeSearch(
            QStringLiteral("owner-common-prefix"), consult, [&] { consult.search(); }, consult.dbgPrincipal,
            [&] { return consult.qryPrincipal->recordCount(); },
            R"(
                select b.Id_Proprietario, b.nome, b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado,
                    b.Num_CPF_CNPJ, b.Num_CI, a.Id_Animal, a.nome as nome_animal, a.num_microchip,
                    c.Id_Endereco, c.TIP_LOGR, c.NOM_LOGR, c.NUM_IMOV_LOGR, c.DES_CMPL_ENDR, c.NOM_BAIR
                from proprietario b
                left join animal a on (a.id_proprietario = b.id_proprietario)
                left join endereco c on (b.id_endereco = c.id_endereco)
                where b.status_registro = 'ATIVO'
                  and b.nome >= 'MARIA'
                  and b.nome < 'MARIB'
            )",
            true, 1.5);
    });
}

bool ownerContainsScenario() {
    return onEachEngine(
        [] {
            fillRegistry();
            // What a competent developer adds on PostgreSQL for a text inside a column; SQLite has no such index.
            if (db::engine() == db::Engine::PostgreSQL) {
                exec(QStringLiteral("create extension if not exists pg_trgm"));
                exec(
                    QStringLiteral("create index ix_bench_proprietario_trgm_nome on proprietario "
                                   "using gin (Nome gin_trgm_ops)"));
            }
        },
        [](const BenchDatabase&) {
            TfrmPesquisaNovoEndAnimal search;
            search.cbbSelecao->setCurrentText(animalsql::kBuscaNomeProprietario);
            search.mkeTexto->setText(QStringLiteral("OLIVEIRA"));
            // The plain statement: the names are stored in capitals, the text typed so.
            return timeSearch(
                QStringLiteral("owner-contains"), search, [&] { search.search(); }, search.dbgPrincipal,
                [&] { return search.qryPrincipal->recordCount(); },
                R"(
                    select a.Id_Animal, c.nome as nome_raca, a.Nome as nome_animal, a.Sexo, a.Esterilizado,
                        a.Num_Microchip, a.Cor, a.Sinais, a.Num_Pedigree, b.Id_Proprietario as Id_Proprietario,
                        b.Nome as nome_Proprietario, b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado,
                        b.Num_CPF_CNPJ, b.Num_CI
                    from animal a
                    left join proprietario b on (a.id_proprietario = b.id_proprietario)
                    left join raca c on (a.id_raca = c.id_raca)
                    where b.Nome like '%OLIVEIRA%'
                )",
                true, 1.5);
        });
}

namespace {

// A new owner as the owner page hands it over: the n-th of the run.
TypedOwner newOwner(int n) {
    TypedOwner s;
    const QString document = newCpf(900000000 + n);
    const QString email = QStringLiteral("novo%1@exemplo.com.br").arg(n);
    const QString name = QStringLiteral("JOÃO DA SILVA NOVO %1").arg(n);
    OwnerValues& v = s.checked;
    v.inserting = true;
    v.unit = QStringLiteral("1 - CENTRAL");
    v.name = name;
    v.residentialPhone = QStringLiteral("(61)3333-4444");
    v.personType = registry::kFisica;
    v.email = email;
    v.passwordOpen = true;
    v.password = QStringLiteral("senha12345");
    v.district = QStringLiteral("1 - DS1 NORTE");
    v.streetType = QStringLiteral("R");
    v.streetCode = QStringLiteral("10");
    v.streetSequence = QStringLiteral("1");
    v.streetName = QStringLiteral("DAS FLORES");
    v.houseNumber = QStringLiteral("51");
    v.neighbourhood = QStringLiteral("CENTRO");
    v.document = document;
    s.owner = {{QStringLiteral("nome"), name},
               {QStringLiteral("telefone_residencial"), QStringLiteral("6133334444")},
               {QStringLiteral("num_cpf_cnpj"), document},
               {QStringLiteral("num_ci"), QStringLiteral("123456")},
               {QStringLiteral("id_unidade_trabalho"), 1},
               {QStringLiteral("email_proprietario"), email}};
    s.address = {{QStringLiteral("id_distrito"), 1},
                 {QStringLiteral("num_logr"), 10},
                 {QStringLiteral("num_sequ_logr"), 1},
                 {QStringLiteral("tip_logr"), QStringLiteral("R")},
                 {QStringLiteral("nom_logr"), QStringLiteral("DAS FLORES")},
                 {QStringLiteral("num_imov_logr"), 51},
                 {QStringLiteral("num_bair"), 1}};
    return s;
}

// The same owner saved as a developer would write it: the four duplicate look-ups on the columns' own indexes,
// then the address, the owner, the account and the owner's link to it, in one transaction.
void plainSave(const TypedOwner& s) {
    QSqlDatabase database = db::connection(db::kMain);
    auto run = [&](const QString& sql, const QVariantList& values) {
        QSqlQuery q(database);
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v.typeId() == QMetaType::QDateTime ? QVariant(db::storedDateTime(v.toDateTime())) : v);
        if (!q.exec())
            throw db::Error(q.lastError().text());
        return q.next() ? q.value(0) : QVariant();
    };
    const QString document = s.checked.document, email = s.checked.email;
    const QDateTime now = QDateTime::currentDateTime();
    database.transaction();
    const bool taken =
        run("select count(*) from proprietario where Num_CPF_CNPJ = ? and Status_Registro = 'ATIVO'", {document})
                .toInt() > 0 ||
        run("select count(*) from proprietario where Email_Proprietario = ? and Status_Registro = 'ATIVO'", {email})
                .toInt() > 0 ||
        run("select count(*) from usuario where Email_usu = ? and Status_Registro = 'ATIVO'", {email}).toInt() > 0 ||
        run("select count(*) from usuario where Login = ? and Status_Registro = 'ATIVO'", {document}).toInt() > 0;
    if (taken)
        throw db::Error(QStringLiteral("duplicate"));
    const QVariant address = run(R"(
        insert into endereco (Id_Distrito, NUM_LOGR, NUM_SEQU_LOGR, TIP_LOGR, NOM_LOGR, NUM_IMOV_LOGR,
            NUM_BAIR, NOM_BAIR, Inserido_Por, Inserido_Em)
        values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)
        returning Id_Endereco
    )",
                                 {1, 10, 1, "R", "DAS FLORES", 51, 1, "CENTRO", 1, now});
    const QVariant owner =
        run(R"(
            insert into proprietario (Nome, Telefone_Residencial, Num_CPF_CNPJ, Tipo_Pessoa, Num_CI,
                id_Unidade_Trabalho, Email_Proprietario, Id_Endereco, Status_Registro, Inserido_Por,
                Inserido_Em)
            values (?, ?, ?, ?, ?, ?, ?, ?, 'ATIVO', ?, ?)
            returning Id_Proprietario
        )",
            {s.checked.name, "6133334444", document, registry::kFisica, "123456", 1, email, address, 1, now});
    const QVariant user =
        run(R"(
            insert into usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip, Bloqueado,
                Inativo, Id_proprietario, DDD_TEL_USU, Telefone_usu, Num_CPF_CNPJ,
                Ind_solicitacao_nova_senha, Email_usu, Inserido_Por, Inserido_Em, Status_Registro)
            values (?, ?, ?, ?, ?, 'NAO', 'NAO', ?, '61', '33334444', ?, 'N', ?, ?, ?, 'ATIVO')
            returning Id_Usuario
        )",
            {1, 1, s.checked.name, document, GeraHashSenha(s.checked.password), owner, document, email, 1, now});
    run("update proprietario set id_usu_web = ? where id_proprietario = ?", {user, owner});
    if (!database.commit())
        throw db::Error(database.lastError().text());
}

}  // namespace

bool ownerSaveScenario() {
    return onEachEngine(
        [] {
            fillRegistry();
            // The plain look-ups' own indexes, as a developer would add them.
            exec(QStringLiteral("create index ix_bench_proprietario_email on proprietario (Email_Proprietario)"));
            exec(QStringLiteral("create index ix_bench_usuario_email on usuario (Email_usu)"));
            exec(QStringLiteral("create index ix_bench_usuario_login on usuario (Login)"));
        },
        [](const BenchDatabase&) {
            UsuarioLogado = QStringLiteral("1");
            UnidadeLogada = QStringLiteral("1");
            PerfilLogado = QStringLiteral("1");
            int n = 0;
            bool refused = false;
            const Pairs p = pairsOf(
                15,
                [&] {
                    const OwnerSaved saved = saveOwner(newOwner(++n));
                    if (saved.refusal) {
                        std::fprintf(stderr, "  refused: %s\n", qPrintable(saved.refusal->message));
                        refused = true;
                    }
                },
                [&] { plainSave(newOwner(++n)); });
            printTimes(QStringLiteral("a new owner with address and web account saved"), p, 15);
            return printRatio(QStringLiteral("owner-save"), p.ratio, 2) && !refused;
        });
}
