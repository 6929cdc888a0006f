// SPDX-License-Identifier: GPL-3.0-or-later
// Every move of the owner and animal register while an animal or an owner is typed, made as the clerk makes
// it: the moves that a typed row disables stay disabled, the others ask; Não keeps the typed row and the owner
// on show, Sim drops the row and moves. A typed animal is always saved under the owner it was typed for.
#include "AnimalFixture.h"
#include "UserInput.h"

#include "registry/animal/AnimalPage.h"
#include "registry/owner/UConsultaProprietario.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

using namespace common;
using namespace registry;

class MovesTest : public AnimalTest {
protected:
    void SetUp() override {
        AnimalTest::SetUp();
        open();
        maria = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
        jose = saveNewOwner("JOSE SOUZA", kCpf2, "jose@mail.com");
        turnTo(0);
        press("tlbProprietario", "actRefresh");  // both owners listed, on MARIA
    }

    void turnTo(int page) {
        QTabBar* tabs = frmPropAnimal->PageControl1->tabBar();
        input::click(tabs, tabs->tabRect(page).center());
    }

    bool enabled(const char* action) { return child<QAction>(action)->isEnabled(); }

    void typeAnimal(const QString& name) {
        turnTo(1);
        press("ToolBar2", "actAnimalNovo");
        input::clickAndType(child("dbeNomeAnimal"), name);
        input::clickAndType(child("dbeDt_Nascimento"), "01022020");
        input::chooseItem(child<QComboBox>("dbcSexo"), "M");
        input::chooseItem(child<QComboBox>("dbcEsterilizado"), "NAO");
    }

    // The owner consult, with the rows of owners named `name`.
    TfrmConsultaProprietario* consultFor(const QString& name) {
        press("tlbProprietario", "actPesquisar");
        TfrmConsultaProprietario* consult = frmConsultaProprietario;
        EXPECT_TRUE(consult);
        input::chooseItem(consult->cbbSelecao, kConsultaNomeProp);
        input::clickAndType(consult->edtTexto, name);
        input::clickButton(consult->findChild<QPushButton*>("btnLocalizar"));
        return consult;
    }

    int shownOwner() { return db::toInt(frmPropAnimal->qryProprietario->field("Id_Proprietario")); }

    // OK in the consult on JOSE, and Sim to the question: the typing goes, the consult closes, JOSE is shown.
    void letGoThroughConsult(QPointer<TfrmConsultaProprietario>& consult) {
        prompts.clear();
        prompts.confirmations = {true};
        input::clickButton(consult->findChild<QPushButton*>("btnOK"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(prompts.texts(), QStringList{kAlteracoesNaoGravadas});
        EXPECT_TRUE(consult.isNull());
        EXPECT_EQ(shownOwner(), jose);
    }

    int maria = 0, jose = 0;
};

// The fault as a clerk met it: while a new animal was typed, Próximo, Atualizar or OK in the owner consult moved
// the register to another owner, and Gravar stored the animal and its first history row under that owner.
TEST_F(MovesTest, EveryMoveAsksWhileAnAnimalIsTypedAndTheAnimalStaysWithItsOwner) {
    QPointer<TfrmConsultaProprietario> consult = consultFor("JOSE");
    typeAnimal("REX");
    EXPECT_EQ(shownOwner(), maria);
    // The animal's own moves are refused: a typed row disables them.
    for (const char* move :
         {"DataSetFirst1", "DataSetPrior1", "DataSetNext1", "DataSetLast1", "actAnimalAtualizar", "actAnimalNovo"})
        EXPECT_FALSE(enabled(move)) << move;

    const struct {
        const char* what;
        std::function<void()> press;
    } moves[] = {
        {"Próximo", [&] { press("tlbProprietario", "actNext"); }},
        {"Último", [&] { press("tlbProprietario", "actLast"); }},
        {"Atualizar", [&] { press("tlbProprietario", "actRefresh"); }},
        {"Pesquisar", [&] { press("tlbProprietario", "actPesquisar"); }},
        {"Novo proprietário", [&] { press("tlbProprietario", "actAppend"); }},
        {"Excluir proprietário", [&] { press("tlbProprietario", "actDelete"); }},
        {"OK da consulta", [&] { input::clickButton(consult->findChild<QPushButton*>("btnOK")); }},
    };
    for (const auto& move : moves) {
        turnTo(0);
        prompts.clear();
        prompts.confirmations = {false};
        move.press();
        EXPECT_EQ(prompts.texts(), QStringList{kAlteracoesNaoGravadas}) << move.what;
        EXPECT_EQ(shownOwner(), maria) << move.what;
        EXPECT_EQ(frmPropAnimal->qryAnimal->state(), db::DataSet::State::Insert) << move.what;
        EXPECT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), "REX") << move.what;
        EXPECT_EQ(frmConsultaProprietario, consult) << move.what << ": the consult stays, no other opens";
    }

    turnTo(1);
    prompts.clear();
    press("ToolBar2", "actAnimalGravar");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str(R"(
        select a.Id_Proprietario || '/' || h.Id_Proprietario
        from animal a
        join histo_muda_proprietario h on (h.Id_Animal = a.Id_Animal)
        where a.Nome = 'REX'
    )"),
              QString("%1/%1").arg(maria));

    // Sim drops the typed animal and moves: the consult's OK puts the register on JOSE.
    typeAnimal("TOTO");
    letGoThroughConsult(consult);
    EXPECT_FALSE(frmPropAnimal->qryAnimal->isEditing());
    EXPECT_EQ(frmPropAnimal->qryAnimal->recordCount(), 0) << "JOSE's animals";
    EXPECT_EQ(count("animal"), 1) << "TOTO was dropped";

    // And Próximo, from MARIA's animal typed, goes to JOSE.
    turnTo(0);
    press("tlbProprietario", "actRefresh");
    typeAnimal("LOLA");
    turnTo(0);
    prompts.confirmations = {true};
    press("tlbProprietario", "actNext");
    EXPECT_EQ(shownOwner(), jose);
    EXPECT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), "");
    EXPECT_EQ(count("animal"), 1);
}

// The fault as a clerk met it: OK in "Consulta proprietário." while an owner was being typed dropped it unasked.
TEST_F(MovesTest, EveryMoveIsRefusedOrAsksWhileAnOwnerIsTyped) {
    QPointer<TfrmConsultaProprietario> consult = consultFor("JOSE");
    press("tlbProprietario", "actAppend");
    input::clickAndType(child("dbeNomeProp"), "ANA LIMA");
    const auto typedKept = [&](const char* what) {
        EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Insert) << what;
        EXPECT_EQ(child<QLineEdit>("dbeNomeProp")->text(), "ANA LIMA") << what;
    };
    // Refused: a typed owner disables the moves of the tool bar.
    for (const char* move :
         {"actFirst", "actPrior", "actNext", "actLast", "actRefresh", "actPesquisar", "actAppend", "actDelete"})
        EXPECT_FALSE(enabled(move)) << move;

    // A title click orders the consult's rows and leaves the register alone.
    prompts.clear();
    QHeaderView* titles = consult->dbgPrincipal->horizontalHeader();
    input::click(titles->viewport(),
                 QPoint(titles->sectionViewportPosition(1) + titles->sectionSize(1) / 2, titles->height() / 2));
    EXPECT_TRUE(consult->qryPrincipal->query().text().endsWith(" order by nome"));
    EXPECT_TRUE(prompts.asked.isEmpty());
    typedKept("a title click");

    // Não keeps the owner typed, whatever asks.
    prompts.confirmations = {false};
    input::clickButton(consult->findChild<QPushButton*>("btnOK"));
    EXPECT_EQ(prompts.texts(), QStringList{kAlteracoesNaoGravadas});
    EXPECT_FALSE(consult.isNull()) << "the consult stays for another OK";
    typedKept("OK da consulta");

    prompts.clear();
    prompts.confirmations = {false};
    input::clickAndType(child("dbeCPF_CNPJ"), kCpf2.left(9) + "00");
    input::click(child("dbeEmail"));  // leaving the document looks it up
    EXPECT_EQ(prompts.texts(), QStringList({kUsuarioCadastrado, kAlteracoesNaoGravadas}));
    typedKept("the document look-up");

    prompts.clear();
    prompts.confirmations = {true, false};  // the same owner, yet the typing stays
    QLineEdit* name = child<QLineEdit>("dbeNomeProp");
    input::click(name);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    input::type(name, "MARIA DA SILVA");
    input::click(child("dbeEmail"));
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("Um Proprietário com o mesmo nome foi localizado."));
    EXPECT_EQ(prompts.last(), kAlteracoesNaoGravadas);
    EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Insert);
    EXPECT_EQ(name->text(), "MARIA DA SILVA");

    // Sim drops it: the consult's OK shows JOSE, and no owner was written.
    letGoThroughConsult(consult);
    EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Browse);
    EXPECT_EQ(count("proprietario"), 2);
}
