// SPDX-License-Identifier: GPL-3.0-or-later
// The owner and animal register over rows the outside web system wrote through a connection of its own, in its
// own spellings (statuses in lower case or padded, the person type without its accent or not at all, documents
// punctuated or padded, a postal code with its dash), and deleting rows while a clerk saves them.
#include "AnimalFixture.h"
#include "UserInput.h"

#include "registry/owner/OwnerRules.h"
#include "registry/owner/UConsultaProprietario.h"

#include <QPushButton>

using namespace common;
using namespace registry;

namespace {

class WebRowsTest : public AnimalTest {
protected:
    // An owner as the web system writes it, with a complete address of the street register; answers its id.
    int webOwner(const QString& name, const QVariant& document, const QVariant& personType, const QString& status) {
        OtherWorkstation web;
        EXPECT_TRUE(web.exec(R"(
            insert into endereco (Id_Distrito, TIP_LOGR, NUM_LOGR, NUM_SEQU_LOGR, NOM_LOGR, NUM_IMOV_LOGR,
                NUM_BAIR, NOM_BAIR, NUM_CEP)
            values (1, 'R', 10, 1, 'DAS FLORES', 51, 1, 'CENTRO', '70000-000')
        )"));
        EXPECT_TRUE(web.exec(R"(
            insert into proprietario (Nome, Telefone_Residencial, Num_CPF_CNPJ, Tipo_Pessoa,
                Email_Proprietario, Id_Endereco, id_Unidade_Trabalho, Status_Registro)
            values (?, '(61)3333-4444', ?, ?, ?, (select max(Id_Endereco) from endereco), 1, ?)
        )",
                             {name, document, personType, name.section(' ', 0, 0).toLower() + "@MAIL.COM ", status}));
        return web.scalar("select max(Id_Proprietario) from proprietario").toInt();
    }

    // The consult finds the owner by the document typed and hands it to the register.
    void consultByDocument(const QString& typed) {
        trigger("actPesquisar");
        ASSERT_TRUE(frmConsultaProprietario);
        TfrmConsultaProprietario* consult = frmConsultaProprietario;
        input::chooseItem(consult->cbbSelecao, kConsultaDocumento);
        input::clickAndType(consult->edtTexto, typed);
        input::clickButton(consult->findChild<QPushButton*>("btnLocalizar"));
        ASSERT_EQ(consult->qryPrincipal->recordCount(), 1);
        input::clickButton(consult->findChild<QPushButton*>("btnOK"));
    }

    void saveEdited(const QString& name) {
        trigger("actEdit");
        type("dbeNomeProp", name);
        type("mkeSenha", "abcdefghij");  // an owner without an account gets one now
        prompts.clear();
        trigger("actPost");
    }
};

}  // namespace

// An owner the web system stored with a padded lower-case status, "fisica", a punctuated document and a postal
// code with its dash is listed, found by its document's digits, shown as a clerk expects ("FÍSICA", every digit
// of the postal code) and saved without a new pick, keeping the spellings the clerk did not change. An inactive
// one in any spelling stays out of the register.
TEST_F(WebRowsTest, AnOwnerInTheWebSystemsSpellingsIsListedFoundShownAndSavedAsStored) {
    const int ana = webOwner("ANA DA WEB", "529.982.247-25", "fisica", " ativo ");
    webOwner("BIA DA WEB", " 12345678909", QVariant(), "Ativo");
    const int caio = webOwner("CAIO DA WEB", "11144477735", "FISICA", "inativo ");
    open();
    trigger("actRefresh");
    EXPECT_EQ(frmPropAnimal->qryProprietario->recordCount(), 2);

    consultByDocument("52998224725");
    EXPECT_EQ(child<QLineEdit>("dbeCodigo")->text(), QString::number(ana));
    EXPECT_EQ(child<QComboBox>("dbcTipo_Pessoa")->currentText(), kFisica);
    EXPECT_EQ(child<QLineEdit>("dbeCEP")->text(), "70000000");
    saveEdited("ANA DE SOUZA");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str(R"(
        select Nome || '|' || Tipo_Pessoa || '|' || Num_CPF_CNPJ
        from proprietario
        where Id_Proprietario = :id
    )",
                  {{"id", ana}}),
              "ANA DE SOUZA|fisica|529.982.247-25");
    EXPECT_EQ(str(R"(
        select NUM_CEP
        from endereco e
        join proprietario p on (p.Id_Endereco = e.Id_Endereco)
        where p.Id_Proprietario = :id
    )",
                  {{"id", ana}}),
              "70000-000");
    EXPECT_EQ(str("select Login from usuario where Id_proprietario = :id", {{"id", ana}}), "52998224725");

    // No person type stored: none is shown; editing takes the one of the document, which the save writes.
    consultByDocument("123.456.789-09");
    EXPECT_EQ(child<QComboBox>("dbcTipo_Pessoa")->currentIndex(), -1);
    saveEdited("BIA DE SOUZA");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str("select Tipo_Pessoa from proprietario where Nome = 'BIA DE SOUZA'"), kFisica);

    frmPropAnimal->openOwner(caio);
    EXPECT_TRUE(child<QLineEdit>("dbeCodigo")->text().isEmpty());
}

// The checks of a new owner count the web system's rows as the program's own: the same document punctuated, the
// same e-mail in capitals, the same login, each under a status in lower case.
TEST_F(WebRowsTest, ANewOwnerMeetsTheWebSystemsRowsInTheChecks) {
    const int ana = webOwner("ANA DA WEB", "529.982.247-25", "FISICA", "ativo");
    const int caio = webOwner("CAIO DA WEB", "222.333.444-05", "fisica", "Ativo ");
    {
        OtherWorkstation web;
        ASSERT_TRUE(web.exec(R"(
            insert into usuario (Nome, Login, Id_proprietario, Status_Registro)
            values ('CAIO', '11144477735', ?, ' ativo')
        )",
                             {caio}));
    }
    open();
    const struct {
        const char* document;
        const char* email;
        QString message;
    } cases[] = {
        {"52998224725", "outra@mail.com", kDocumentoCadastrado},
        {"12345678909", "Ana@Mail.com", kEmailCadastrado},
        {"11144477735", "outra@mail.com", kUsuarioCadastrado},
    };
    for (const auto& c : cases) {
        trigger("actAppend");
        fillOwner("NOVO DONO", c.document, c.email);
        prompts.clear();
        trigger("actPost");
        EXPECT_EQ(prompts.texts(), QStringList{c.message}) << c.document;
        trigger("actCancel");
    }
    EXPECT_EQ(count("proprietario"), 2);

    // Leaving the document box of a new owner finds the web system's owner by its digits and shows it.
    trigger("actAppend");
    prompts.clear();
    prompts.confirmations << true;
    input::clickAndType(child<QLineEdit>("dbeCPF_CNPJ"), "52998224799");
    leave("dbeCPF_CNPJ");
    EXPECT_EQ(prompts.texts(), QStringList({kUsuarioCadastrado, kAlteracoesNaoGravadas}));
    EXPECT_EQ(IdProprietarioAtual, ana);
}

// An owner that another program deletes while the clerk's save ends is told as changed or deleted, never as
// saved with an empty code; an animal typed for an owner deleted meanwhile is refused the same way and not stored.
TEST_F(WebRowsTest, AnOwnerDeletedWhileTheClerkSavesIsToldAsSuch) {
    open();
    bool deleteAfterCommit = false;
    db::setStatementObserver([&](const QString&, const QString& sql, const QVariantHash&) {
        if (!deleteAfterCommit || !sql.contains("set id_usu_web = :id_usu_web"))
            return;
        deleteAfterCommit = false;
        db::whenTransactionEnds([](bool committed) {
            OtherWorkstation web;
            if (committed)
                web.exec("delete from proprietario where Nome = 'ANA LIMA'");
        });
    });
    const auto noObserver = qScopeGuard([] { db::setStatementObserver({}); });
    trigger("actAppend");
    fillOwner("ANA LIMA", kCpf1, "ana@mail.com");
    deleteAfterCommit = true;
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{db::kRegistroAlterado});
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
    EXPECT_EQ(count("proprietario"), 0);

    const int bia = saveNewOwner("BIA LIMA", kCpf2, "bia@mail.com");
    trigger("actAnimalNovo");
    type("dbeNomeAnimal", "REX");
    type("dbeDt_Nascimento", "01022020");
    pick("dbcSexo", "M");
    pick("dbcEsterilizado", "NAO");
    {
        OtherWorkstation web;
        ASSERT_TRUE(web.exec("delete from proprietario where Id_Proprietario = ?", {bia}));
    }
    prompts.clear();
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.texts(), QStringList{db::kRegistroAlterado});
    EXPECT_EQ(count("animal"), 0);
    EXPECT_EQ(frmPropAnimal->qryAnimal->state(), db::DataSet::State::Insert) << "the typed animal stays";
}
