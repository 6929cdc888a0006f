// SPDX-License-Identifier: GPL-3.0-or-later
// The owner page end to end: insert, edit, duplicates, delete and the owner report, with the rows stored.
#include "RegistryFixture.h"
#include "ReportText.h"
#include "UserInput.h"

#include <QApplication>
#include <QClipboard>
#include <QTabBar>

#include "common/access/PasswordDigest.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Schema.h"
#include "registry/owner/OwnerRules.h"
#include "registry/owner/WebAccountSql.h"

using namespace common;
using namespace registry;

TEST_F(RegistryTest, InsertWritesAddressOwnerAndAccountInOneTransaction) {
    open();
    const int id = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    EXPECT_EQ(prompts.last(), kProprietarioCadastrado);
    EXPECT_EQ(frmPropAnimal->PageControl1->currentWidget(), frmPropAnimal->TabSheet2);
    ASSERT_GT(id, 0);
    EXPECT_EQ(str("select Status_Registro from proprietario where id_proprietario = :id", {{"id", id}}), "ATIVO");
    EXPECT_EQ(str("select Tipo_Pessoa from proprietario where id_proprietario = :id", {{"id", id}}), kFisica);
    EXPECT_EQ(str(R"(
        select e.NOM_LOGR || '/' || e.NUM_BAIR || '/' || e.NOM_BAIR || '/' || e.NUM_CEP || '/'
            || e.Ind_Endereco_Informado
        from proprietario p
        join endereco e on (p.Id_Endereco = e.Id_Endereco)
        where p.id_proprietario = :id
    )",
                  {{"id", id}}),
              "DAS FLORES/1/CENTRO/12345678/SIM");
    EXPECT_EQ(str(R"(
        select u.Login || '/' || u.Bloqueado || '/' || u.DDD_TEL_USU || '/' || u.Telefone_usu || '/'
            || u.Id_Unidade_Trabalho || '/' || u.Id_Perfil
        from usuario u
        join proprietario p on (p.id_usu_web = u.Id_Usuario)
        where p.id_proprietario = :id
    )",
                  {{"id", id}}),
              kCpf1 + "/NÃO/61/33334444/1/1000");
    EXPECT_EQ(str("select senha_crip from usuario where Id_proprietario = :id", {{"id", id}}),
              GeraHashSenha("abcdefghij"));
    EXPECT_TRUE(child<QLineEdit>("mkeSenha")->text().isEmpty());

    // An account without any phone leaves the phone columns out.
    webaccountsql::NewAccount bare;
    bare.login = "X";
    bare.ownerId = 999;
    const int user = webaccountsql::insert(bare);
    EXPECT_TRUE(scalar("select DDD_TEL_USU from usuario where Id_Usuario = :u", {{"u", user}}).isNull());

    // A failing account insert leaves neither address nor owner behind, and the typed owner stays for another try.
    exec("create unique index ux_usuario_login_test on usuario (Login)");
    exec("insert into usuario (Login, Status_Registro) values (:l, 'INATIVO')", {{"l", kCpf2}});
    const int owners = count("proprietario"), addresses = count("endereco");
    trigger("actAppend");
    fillOwner("JOSE SOUZA", kCpf2, "jose@mail.com");
    prompts.clear();
    trigger("actPost");
    exec("drop index ux_usuario_login_test");
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked.value(0).kind, Prompts::Kind::Error);
    EXPECT_EQ(count("proprietario"), owners);
    EXPECT_EQ(count("endereco"), addresses);
    EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Insert);
    EXPECT_EQ(child<QLineEdit>("dbeNomeProp")->text(), "JOSE SOUZA");
}

TEST_F(RegistryTest, EditKeepsDigestsAndBlocksAndGivesMissingAddressAndAccount) {
    open();
    const int first = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const QString digest = GeraHashSenha("abcdefghij");
    // An account in any unit keeps its digest: the password box stays closed.
    exec("update usuario set Id_Unidade_Trabalho = 7 where Id_proprietario = :id", {{"id", first}});
    frmPropAnimal->openOwner(first);
    trigger("actEdit");
    EXPECT_FALSE(child("mkeSenha")->isEnabled());
    type("dbeNomeProp", "MARIA DA SILVA SOUZA");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str("select senha_crip from usuario where Id_proprietario = :id", {{"id", first}}), digest);
    EXPECT_EQ(
        str("select Nome || '/' || Id_Unidade_Trabalho from usuario where Id_proprietario = :id", {{"id", first}}),
        "MARIA DA SILVA SOUZA/1");

    // A web block is kept when the operator says so, else written from the box.
    exec("update usuario set Bloqueado = 'WEB' where Id_proprietario = :id", {{"id", first}});
    for (bool keep : {true, false}) {
        frmPropAnimal->openOwner(first);
        EXPECT_TRUE(child<QCheckBox>("ckbBloqueioWeb")->isChecked());
        prompts.confirmations << true << keep;
        trigger("actEdit");
        child<QCheckBox>("ckbBloqueioWeb")->setChecked(false);
        trigger("actPost");
        EXPECT_EQ(str("select Bloqueado from usuario where Id_proprietario = :id", {{"id", first}}),
                  keep ? "WEB" : "NÃO");
    }

    // An owner kept without address or account, shown after one with an address, shows an empty address; its
    // edit gives it both.
    exec(
        R"(
            insert into proprietario (Nome, Telefone_Residencial, Num_CPF_CNPJ, Tipo_Pessoa,
                id_Unidade_Trabalho, Email_Proprietario, Status_Registro)
            values ('JOSE SOUZA', '(61)2222-3333', :d, 'FÍSICA', 1, 'jose@mail.com', 'ATIVO')
        )",
        {{"d", kCpf2}});
    const int second = db::toInt(scalar("select max(id_proprietario) from proprietario"));
    frmPropAnimal->openOwner(first);
    EXPECT_EQ(child<QLineEdit>("dbeLograd")->text(), "DAS FLORES");
    frmPropAnimal->openOwner(second);
    EXPECT_TRUE(child<QLineEdit>("dbeLograd")->text().isEmpty());
    trigger("actEdit");
    EXPECT_TRUE(child("mkeSenha")->isEnabled());
    fillOwner("JOSE SOUZA", kCpf2, "jose@mail.com", "0123456789");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str(R"(
        select e.NOM_LOGR
        from proprietario p
        join endereco e on (p.Id_Endereco = e.Id_Endereco)
        where p.id_proprietario = :id
    )",
                  {{"id", second}}),
              "DAS FLORES");
    EXPECT_EQ(str(R"(
        select u.senha_crip
        from proprietario p
        join usuario u on (p.id_usu_web = u.Id_Usuario)
        where p.id_proprietario = :id
    )",
                  {{"id", second}}),
              GeraHashSenha("0123456789"));
}

// Texts pasted into the owner's boxes: the identity box takes what its column holds in whole characters, an
// emoji never cut in two, and the name loses the invisible marks that would make it differ from the same name
// typed. What is stored is what is shown, and the owner stays editable (half an emoji stored would never match
// the value read back).
TEST_F(RegistryTest, PastedTextsAreStoredAsShownInWholeCharacters) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const QString smile = QString::fromUtf8("\U0001F600");
    const auto paste = [this](const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(box);
        input::turnToPage(edit);
        input::click(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return edit->text();
    };
    frmPropAnimal->openOwner(owner);
    trigger("actEdit");
    EXPECT_EQ(paste("dbeCI", "rg" + smile.repeated(14)), "RG" + smile.repeated(13));
    EXPECT_EQ(paste("dbeNomeProp", QString::fromUtf8("\uFEFFMARIA\u200B DA\u00AD SILVA\u200D")), "MARIA DA SILVA");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str("select Num_CI from proprietario"), "RG" + smile.repeated(13));
    EXPECT_EQ(str("select Nome from proprietario"), "MARIA DA SILVA");
    EXPECT_EQ(count("proprietario where Nome = 'MARIA DA SILVA'"), 1) << "found as typed";

    frmPropAnimal->openOwner(owner);
    EXPECT_EQ(child<QLineEdit>("dbeCI")->text(), "RG" + smile.repeated(13));
    trigger("actEdit");
    type("dbeNomeProp", "MARIA SOUZA");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str("select Nome || '/' || Num_CI from proprietario"), "MARIA SOUZA/RG" + smile.repeated(13));
}

TEST_F(RegistryTest, ALegalPersonIsSavedWithTheAlphanumericCnpjAsTypedWithoutPunctuation) {
    open();
    auto* document = child<QLineEdit>("dbeCPF_CNPJ");
    const auto retype = [&](const QString& text) {
        input::click(document);
        QTest::keyClick(document, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(document, Qt::Key_Delete);
        input::type(document, text);
    };
    const auto typeDocument = [&](const QString& personType, const QString& text) {
        input::chooseItem(child<QComboBox>("dbcTipo_Pessoa"), personType);
        retype(text);
    };
    trigger("actAppend");
    fillOwner("PET SHOP ESTRELA", "", "pet@mail.com");
    typeDocument(kJuridica, "12.abc.345/01de-35");
    EXPECT_EQ(document->text(), "12ABC34501DE35");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kProprietarioCadastrado});
    const int id = IdProprietarioAtual;
    EXPECT_EQ(
        str("select Tipo_Pessoa || '/' || Num_CPF_CNPJ from proprietario where id_proprietario = :id", {{"id", id}}),
        kJuridica + "/12ABC34501DE35");
    EXPECT_EQ(str("select Login || '/' || Num_CPF_CNPJ from usuario where Id_proprietario = :id", {{"id", id}}),
              "12ABC34501DE35/12ABC34501DE35")
        << "the web login is the number as stored";

    // A check digit off is refused; the same number typed as printed is the same company's, on saving and
    // on leaving the box.
    QTabBar* tabs = frmPropAnimal->PageControl1->tabBar();
    input::click(tabs, tabs->tabRect(0).center());
    trigger("actAppend");
    fillOwner("OUTRA EMPRESA LTDA", "", "outra@mail.com");
    typeDocument(kJuridica, "A1B2C3D4E5F669");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kCnpjInvalido);
    retype("12.abc.345/01de-35");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kDocumentoCadastrado);
    prompts.clear();
    prompts.confirmations = {true};  // the typed company is dropped for the one registered
    input::click(child("dbeNomeProp"));
    EXPECT_EQ(prompts.texts(), QStringList({kUsuarioCadastrado, kAlteracoesNaoGravadas}));
    EXPECT_EQ(IdProprietarioAtual, id);

    // A person's box keeps digits only: a CPF is digits.
    trigger("actAppend");
    typeDocument(kFisica, "529.982.247-25");
    EXPECT_EQ(document->text(), kCpf1);
    retype("12ABC3450");
    EXPECT_EQ(document->text(), "123450");
    trigger("actCancel");
    EXPECT_EQ(count("proprietario"), 1);
}

TEST_F(RegistryTest, DuplicateDocumentsEmailsAndNames) {
    open();
    const int first = saveNewOwner("MARIA D'ÁVILA", kCpf1, "maria@mail.com");
    const int second = saveNewOwner("JOSE SOUZA", kCpf2, "jose@mail.com");

    // The same document on insert and on edit.
    trigger("actAppend");
    fillOwner("ANA LIMA", kCpf1, "ana@mail.com");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kDocumentoCadastrado});
    trigger("actCancel");
    frmPropAnimal->openOwner(second);
    trigger("actEdit");
    type("dbeCPF_CNPJ", kCpf1);
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kDocumentoCadastrado);
    type("dbeCPF_CNPJ", kCpf2);

    // An e-mail that only another owner uses is accepted on edit, refused on insert.
    type("dbeEmail", " MARIA@mail.com ");
    exec("update usuario set Email_usu = 'outro@mail.com' where Id_proprietario = :id", {{"id", first}});
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    trigger("actAppend");
    fillOwner("ANA LIMA", "11144477735", "maria@mail.com");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kEmailCadastrado);
    trigger("actCancel");

    // The name look-up ignores case and accents; confirming, and letting the typed owner go, shows the owner found.
    trigger("actAppend");
    prompts.clear();
    prompts.confirmations << true << true;
    type("dbeNomeProp", "maria d'avila");
    leave("dbeNomeProp");
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("Um Proprietário com o mesmo nome foi localizado."));
    EXPECT_TRUE(prompts.asked[0].text.contains("Endereço: R:DAS FLORES,51 "));
    EXPECT_EQ(prompts.last(), kAlteracoesNaoGravadas);
    EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Browse);
    EXPECT_EQ(IdProprietarioAtual, first);

    // A document of the same length and beginning on leaving the edit.
    trigger("actAppend");
    prompts.clear();
    prompts.confirmations << true;
    type("dbeCPF_CNPJ", kCpf2.left(9) + "00");
    leave("dbeCPF_CNPJ");
    EXPECT_EQ(prompts.texts(), QStringList({kUsuarioCadastrado, kAlteracoesNaoGravadas}));
    EXPECT_EQ(IdProprietarioAtual, second);
}

TEST_F(RegistryTest, EmailOfAWebUserWithoutOwnerIsTakenAndAnEditIgnoresOnlyTheOwnersOwnAccount) {
    open();
    exec("insert into usuario (Login, Email_usu, Status_Registro) values ('WEB', ' web@mail.com ', 'ATIVO')");
    trigger("actAppend");
    fillOwner("ANA LIMA", kCpf1, "WEB@mail.com");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{"E-mail já cadastrado na base de dados."})
        << "a new owner is checked against every web user";
    type("dbeEmail", "ana@mail.com");
    trigger("actPost");
    const int ana = IdProprietarioAtual;
    ASSERT_EQ(str("select Email_usu from usuario where Id_proprietario = :id", {{"id", ana}}), "ana@mail.com");

    // Another owner with the e-mail: the edit passes while only Ana's own account has it, not once a web
    // user without owner has it too.
    exec(
        R"(
            insert into proprietario (Nome, Email_Proprietario, Status_Registro)
            values ('OUTRA', 'ana@mail.com', 'ATIVO')
        )");
    for (const bool webUserToo : {false, true}) {
        if (webUserToo)
            exec("update usuario set Email_usu = 'ana@mail.com' where Login = 'WEB'");
        frmPropAnimal->openOwner(ana);
        trigger("actEdit");
        prompts.clear();
        trigger("actPost");
        EXPECT_EQ(prompts.last(),
                  webUserToo ? "E-mail já cadastrado na base de dados." : "Operação realizada com sucesso!");
        trigger("actCancel");
    }
}

TEST_F(RegistryTest, DeleteRefusalsAndSuccess) {
    open();
    const int id = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const QString addressId = str("select Id_Endereco from proprietario where id_proprietario = :id", {{"id", id}});
    for (const char* blocker : {"insert into animal (Id_Proprietario, Nome) values (:id, 'REX')",
                                R"(
                                    insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal,
                                        Id_Proprietario)
                                    values (1, 5, :id)
                                )"}) {
        exec(blocker, {{"id", id}});
        frmPropAnimal->openOwner(id);
        trigger("actDelete");
        EXPECT_EQ(prompts.last(), kConstaAnimal);
        exec("delete from animal");
    }
    // The owner report lists this owner's animals by history row.
    exec("insert into animal (Id_Animal, Id_Proprietario, Nome, Sexo) values (5, :id, 'REX', 'M')", {{"id", id}});
    trigger("actPrint");
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    const QString printed = printedText(*prompts.previews[0].report);
    EXPECT_TRUE(printed.contains("REL049"));
    EXPECT_TRUE(printed.contains("Animal : 5 REX"));
    EXPECT_TRUE(printed.contains("CPF/CNPJ : " + kCpf1));
    exec("delete from animal");
    exec("delete from histo_muda_proprietario");

    frmPropAnimal->openOwner(id);
    prompts.confirmations << true;
    trigger("actDelete");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(count("proprietario"), 0);
    EXPECT_EQ(db::toInt(scalar("select count(*) from endereco where Id_Endereco = :a", {{"a", addressId.toInt()}})), 0);
    EXPECT_EQ(str("select Inativo || '/' || Status_Registro from usuario where Id_proprietario = :id", {{"id", id}}),
              "SIM/INATIVO");
    trigger("actPrint");
    EXPECT_EQ(prompts.last(), kLocalizeTutor);
}

TEST_F(RegistryTest, NewOwnerSavedOnTheSampleStreetRegisterOfTheDefaultDatabase) {
    QStringList statements;
    for (const char* table : {"TipoLogradouro", "bairro", "logradouro", "logradouroNome", "BairroLogradouro",
                              "pesquisaLograd", "cepLogradouro", "AreaAbrang", "localidade", "LogradouroImovel"})
        statements << QStringLiteral("delete from {p}%1").arg(QString::fromLatin1(table));
    for (const db::Script& script : schemaScripts(true))
        if (script.target == db::Target::Padrao && script.sql.contains("insert into"))
            for (QString s : db::splitStatements(script.sql, db::engine()))
                statements << s.replace("insert into ", "insert into {p}");
    writePadrao(statements);
    open();
    trigger("actAppend");
    pick("cbbUnidadeProprietario", "UNIDADE CENTRAL");
    type("dbeNomeProp", "MARIA DA SILVA");
    type("dbeTelResidencial", "6133334444");
    type("dbeEmail", "maria@mail.com");
    type("mkeSenha", "abcdefghij");
    pick("dblDistrito", "DS1");
    type("dbeCodLograd", "101");
    enter("dbeCodLograd");
    pick("dblTipo_Lograd", "RUA");
    type("dbeNumImovel", "51");
    leave("dbeNumImovel");
    pick("dblBairro", "CENTRO");
    type("dbeCPF_CNPJ", kCpf1);
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kProprietarioCadastrado);
    EXPECT_EQ(str("select NOM_LOGR || '/' || NUM_CEP from endereco"), "DAS PALMEIRAS/70000101");
}
