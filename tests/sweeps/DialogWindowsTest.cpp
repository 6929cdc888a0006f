// SPDX-License-Identifier: GPL-3.0-or-later
// The searches a form opens, driven with the clerk's keys at a 1366x768 screen: each opens over the window that
// opened it, Enter in its text box runs it, and once it closes its opener is in front again with the focus
// where it was; Enter on a focused button presses it.
#include "UserInput.h"
#include "WindowsFixture.h"

#include "../registry/RegistryFixture.h"
#include "registry/events/UProprietarioPesquisa.h"
#include "registry/events/UTransferir_Animal.h"
#include "registry/owner/UConsultaProprietario.h"
#include "shell/login/UTracaSenha.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

// The registry's street register fixture, for its rows alone.
struct StreetRegister : RegistryTest {
    using RegistryTest::writePadrao;
};

int rowsOf(const QTableView* grid) { return grid->model()->rowCount(); }

}  // namespace

class DialogWindows : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, Status_Registro)
                values (1, 'ANA SILVA', 'ATIVO'), (2, 'ANTONIO SOUZA', 'ATIVO'), (3, 'BIA', 'ATIVO')
            )");
        exec("insert into animal (Id_Animal, Id_Proprietario, Nome) values (10, 1, 'REX'), (12, 2, 'LOLA')");
        StreetRegister::writePadrao({R"(
            insert into {p}pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair,
                nom_bair, tip_clss_bair, ind_bair_cord)
            values (10, 1, 'R', 'DAS FLORES', 'B', 1, 'CENTRO', 'P', 'N'),
                (20, 1, 'AV', 'SETE', 'B', 2, 'JARDIM', 'P', 'N')
        )"});
    }

    QMdiSubWindow* open(const char* action) {
        main->action(action)->trigger();
        settle();
        return area->activeSubWindow();
    }

    QRect onScreen(const QMdiSubWindow* sub) const { return QRect(sub->mapToGlobal(QPoint(0, 0)), sub->size()); }
};

TEST_F(DialogWindows, TheOwnerConsultAndTheStreetSearchOpenOverTheRegisterSearchOnEnterAndGiveItBackTheFocus) {
    QMdiSubWindow* registerWindow = open("actProprietario_Animal");
    ASSERT_TRUE(registerWindow);
    registerWindow->move(0, 0);  // the clerk has dragged it to a corner

    registerWindow->widget()->findChild<QAction*>("actPesquisar")->trigger();
    settle();
    TfrmConsultaProprietario* consult = frmConsultaProprietario;
    ASSERT_TRUE(consult);
    expectPlaced(consult->frameGeometry(), areaOnScreen(), onScreen(registerWindow), "the owner consult");
    input::chooseItem(consult->cbbSelecao, "Nome prop.");
    input::pressEnter(consult->cbbSelecao);
    EXPECT_EQ(input::focused(), consult->edtTexto) << "Enter in the criterion moves on to the text";
    input::type(consult->edtTexto, "AN");
    input::pressEnter(consult->edtTexto);
    EXPECT_EQ(rowsOf(consult->dbgPrincipal), 2) << "one Enter in the text runs the search";
    input::clickButton(consult->findChild<QPushButton*>("btnOK"));
    settle();
    EXPECT_FALSE(frmConsultaProprietario);
    EXPECT_EQ(area->activeSubWindow(), registerWindow);
    EXPECT_EQ(QApplication::activeWindow(), main.get());

    auto* streetButton = registerWindow->widget()->findChild<QPushButton*>("BitBtn1");
    input::clickButton(streetButton);
    settle();
    TfrmEnderecoPesquisa* streets = frmEnderecoPesquisa;
    ASSERT_TRUE(streets);
    expectPlaced(streets->frameGeometry(), areaOnScreen(), onScreen(registerWindow), "the street search");
    input::clickAndType(streets->mkeTexto, "SE");
    input::pressEnter(streets->mkeTexto);
    EXPECT_EQ(rowsOf(streets->dbgPrincipal), 1) << "one Enter in the text runs the search";
    streets->close();  // its close box
    settle();
    EXPECT_EQ(area->activeSubWindow(), registerWindow);
    EXPECT_EQ(input::focused(), streetButton) << "the focus is back where it was";
}

TEST_F(DialogWindows, TheTransfersOwnerSearchOpensOverItAndItsCloseBringsTheTransferBackNotTheLastWindowUsed) {
    QMdiSubWindow* units = open("actUnidade");
    QMdiSubWindow* transferWindow = open("actTransferir_Animal");
    ASSERT_TRUE(units && transferWindow && units != transferWindow);
    transferWindow->move(areaRect().width() - transferWindow->width(), 0);  // dragged to the right
    auto* localizar = transferWindow->widget()->findChild<QPushButton*>("btnLocalizarAtual");
    input::clickButton(localizar);
    settle();
    TfrmProprietarioPesquisa* picker = frmProprietarioPesquisa;
    ASSERT_TRUE(picker);
    auto* pickerWindow = qobject_cast<QMdiSubWindow*>(picker->parentWidget());
    ASSERT_TRUE(pickerWindow);
    expectPlaced(pickerWindow->geometry(), areaRect(), transferWindow->geometry(), "the owner search");

    area->setActiveSubWindow(units);  // the clerk looks at another window meanwhile, then comes back
    input::chooseItem(picker->cbbSelecao, "Nome");
    input::clickAndType(picker->edtTexto, "ANA");
    input::pressEnter(picker->edtTexto);
    EXPECT_EQ(rowsOf(picker->dbgPrincipal), 1);
    input::clickButton(picker->findChild<QPushButton*>("btnOK"));
    settle();
    EXPECT_FALSE(frmProprietarioPesquisa);
    EXPECT_EQ(frmTransferir_Animal->ediNome_atual->text(), "ANA SILVA");
    EXPECT_EQ(area->activeSubWindow(), transferWindow) << "the window that opened the search, not 001";
    EXPECT_EQ(input::focused(), localizar);

    input::pressEnter(localizar);
    settle();
    EXPECT_TRUE(frmProprietarioPesquisa) << "Enter on the focused button opens the search again";
}

TEST_F(DialogWindows, EnterInThePasswordChangeWalksOntoOkAndPressesIt) {
    QWidget* form = open("actTrocaSenha")->widget();
    auto box = [form](const char* name) { return form->findChild<QLineEdit*>(name); };
    auto* ok = form->findChild<QPushButton*>("bmpOK");
    input::clickAndType(box("mkeSenhaAtual"), "VELHA");
    input::pressEnter(form);
    input::type(box("mkeSenhaNova"), "NOVA");
    input::pressEnter(form);
    input::type(box("mkeConfirmaSenhaNova"), "OUTRA");
    input::pressEnter(form);
    EXPECT_EQ(input::focused(), ok) << "Enter in the last box moves on to OK, not to Cancelar";
    EXPECT_TRUE(prompts.asked.isEmpty());
    input::pressEnter(form);
    EXPECT_EQ(prompts.texts(), QStringList{"A confirmação da senha não confere com a nova senha."});
    EXPECT_TRUE(frmTracaSenha) << "the form stays open";
}
