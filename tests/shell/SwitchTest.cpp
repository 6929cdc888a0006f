// SPDX-License-Identifier: GPL-3.0-or-later
// The switch of user (005) driven as the operators do it, with windows of the previous user left open, and the
// main window's status bar panels.
#include "ShellFixture.h"
#include "UserInput.h"

#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "platform/report/PreviewWindow.h"
#include "shell/ShellForms.h"
#include "shell/login/ULogin.h"
#include "shell/menu/UMenuPrincipal.h"
#include "shell/profiles/UGrupo.h"
#include "shell/profiles/UPerfilUsuarioPesquisa.h"
#include "shell/units/URelUnidade.h"
#include "shell/units/UUnidade.h"
#include "shell/users/UUsuario.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class UserSwitch : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        clara = addUser("Clara", "clara");  // profile 10: the work units only
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (1, 'TfrmUnidade', 'F', 1)");
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (2, 'TfrmGrupo', 'F', 2)");
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (3, 'TfrmUsuario', 'F', 3)");
        exec(
            R"(
                insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
                values (10, 1, 'S', 'S', 'S', 'S', 'S')
            )");
        loginAsAdmin();
        NomeUnidadeLogada = "Central";
        main = std::make_unique<TfrmMenuPrincipal>();
        frmMenuPrincipal = main.get();
        registerShellForms();
        main->resize(1366, 700);
        main->show();
    }
    void TearDown() override {
        // Windows a test left open (a kept row) go with it.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main.get() && w->testAttribute(Qt::WA_DeleteOnClose))
                windows << w;
        main.reset();
        qDeleteAll(windows);
        ShellTest::TearDown();
    }

    // 005, then the unit, the user and the password typed and OK clicked, as at the keyboard and mouse.
    TfrmLogin_2* switchTo(const QString& user, const QString& password) {
        main->action("actTrocaUsuario")->trigger();
        TfrmLogin_2* login = frmLogin_2;
        input::chooseItem(login->findChild<QComboBox*>("dblUnidade"), "1 - CENTRAL");
        input::chooseItem(login->findChild<QComboBox*>("dblUsuario"), user);
        typePasswordAndOk(login, password);
        return login;
    }
    // Clicks into the password, selects what it holds, types over it and clicks OK.
    static void typePasswordAndOk(TfrmLogin_2* login, const QString& password) {
        auto* senha = login->findChild<QLineEdit*>("edtSenha");
        input::click(senha);
        input::pressKey(senha, Qt::Key_A, Qt::ControlModifier);
        input::type(senha, password);
        input::clickButton(login->findChild<QPushButton*>("bmpOK"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The windows an operator sees besides the main window and the login dialogs: MDI windows and windows of
    // their own, by title.
    QStringList openWindows() const {
        QStringList out;
        for (QMdiSubWindow* w : main->mdiArea()->subWindowList())
            if (w->isVisible())
                out << w->widget()->windowTitle();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != main.get() && !qobject_cast<TfrmLogin_2*>(w) &&
                (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
                out << w->windowTitle();
        out.sort();
        return out;
    }

    static QToolButton* toolButton(RegisterForm* form, QAction* action) {
        return qobject_cast<QToolButton*>(form->tlbPrincipal->widgetForAction(action));
    }

    void expectAdminSession() {
        EXPECT_EQ(UsuarioLogado, "1");
        EXPECT_EQ(PerfilLogado, "1000");
        EXPECT_EQ(NomeUsuarioLogado, "ADMINISTRADOR");
        EXPECT_TRUE(main->action("actUsuario")->isEnabled());
        EXPECT_EQ(main->panel(1)->text(), "ADMINISTRADOR - ADMINISTRADOR");
    }

    int clara = 0;
    std::unique_ptr<TfrmMenuPrincipal> main;
};

TEST_F(UserSwitch, ClosesEveryWindowOfThePreviousUserAndShowsTheNewSessionInThePanels) {
    EXPECT_EQ(main->panel(0)->text(), "Unidade logada: Central");
    main->action("actUsuario")->trigger();
    QPointer<TfrmUsuario> users = frmUsuario;
    input::clickButton(toolButton(users, users->actPesquisar));  // its search, an MDI window
    main->action("actPerfil")->trigger();
    QPointer<TfrmGrupo> perfis = frmGrupo;
    perfis->resize(900, 480);  // widened by the operator: the tool bar's last buttons fit then
    input::clickButton(toolButton(perfis, perfis->actPesquisar));  // its search, a window of its own
    QPointer<QWidget> profileSearch = frmPerfilUsuarioPesquisa.data();
    QPointer<QWidget> preview = report::showPreview(std::make_shared<TfrmRelUnidade>(), false, main.get());
    main->action("actTrocaUsuario")->trigger();
    QPointer<TfrmLogin_2> firstSwitch = frmLogin_2.data();  // left open
    ASSERT_EQ(openWindows().size(), 5) << openWindows().join(" | ").toStdString();
    ASSERT_TRUE(perfis->isWindow());

    TfrmLogin_2* login = switchTo("CLARA", "SENHA");

    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    EXPECT_EQ(UsuarioLogado, QString::number(clara));
    EXPECT_EQ(PerfilLogado, "10");
    EXPECT_TRUE(openWindows().isEmpty()) << openWindows().join(" | ").toStdString();
    EXPECT_TRUE(users.isNull());
    EXPECT_TRUE(perfis.isNull());
    EXPECT_TRUE(profileSearch.isNull());
    EXPECT_TRUE(preview.isNull());
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(firstSwitch && firstSwitch->isVisible()) << "the other switch dialog stays open";
    EXPECT_FALSE(main->action("actUsuario")->isEnabled());
    EXPECT_FALSE(main->action("actPerfil")->isEnabled());
    EXPECT_TRUE(main->action("actUnidade")->isEnabled());
    // Only the login configures the menu now: the panels show the session as the configuration writes it.
    EXPECT_EQ(main->panel(0)->text(), QString("Usuário logado: %1 - CLARA(Operador)").arg(clara));
    EXPECT_EQ(main->panel(1)->text(), "Unidade: 1 - Central");
}

TEST_F(UserSwitch, AWrongPasswordClosesNothingAndOneKeptRowOfSeveralKeepsEveryWindow) {
    // Two registers with a row being typed, each in an MDI window, and a window of its own with nothing typed.
    main->action("actUnidade")->trigger();
    QPointer<TfrmUnidade> units = frmUnidade;
    input::clickButton(toolButton(units, units->actAppend));
    input::clickAndType(units->findChild<QLineEdit*>("dbeNome"), "NOVA UNIDADE");
    main->action("actUsuario")->trigger();
    QPointer<TfrmUsuario> users = frmUsuario;
    input::clickButton(toolButton(users, users->actAppend));
    input::clickAndType(users->findChild<QLineEdit*>("dbeNome"), "NOVO OPERADOR");
    main->action("actPerfil")->trigger();
    const QStringList before = openWindows();
    ASSERT_EQ(before.size(), 3);

    TfrmLogin_2* login = switchTo("CLARA", "ERRADA");
    EXPECT_EQ(prompts.texts(), QStringList({"Senha invalida!"})) << "nothing was asked of the open windows";
    EXPECT_EQ(openWindows(), before);
    EXPECT_TRUE(login->isVisible()) << "the dialog stays for another try";
    expectAdminSession();

    // Sim for the first row, Não for the second: both are asked before anything closes, and nothing closes.
    const QString question = "Existem alterações não gravadas. Deseja sair sem gravar?";
    prompts.clear();
    prompts.confirmations = {true, false};
    typePasswordAndOk(login, "SENHA");
    EXPECT_EQ(prompts.texts(), QStringList({question, question}));
    ASSERT_FALSE(units.isNull()) << "closed before the second question was answered";
    ASSERT_FALSE(users.isNull());
    EXPECT_TRUE(units->qryPrincipal->isEditing()) << "the first row was given up on its Sim alone";
    EXPECT_EQ(units->findChild<QLineEdit*>("dbeNome")->text(), "NOVA UNIDADE");
    EXPECT_TRUE(users->qryPrincipal->isEditing());
    EXPECT_EQ(openWindows(), before);
    EXPECT_FALSE(login->isVisible()) << "the switch was cancelled";
    expectAdminSession();
    EXPECT_EQ(main->panel(0)->text(), "Unidade logada: Central");

    // Sim for both: the rows are given up without a second question and the switch goes on.
    prompts.clear();
    prompts.confirmations = {true, true};
    switchTo("CLARA", "SENHA");
    EXPECT_EQ(prompts.texts(), QStringList({question, question}));
    EXPECT_TRUE(units.isNull());
    EXPECT_TRUE(users.isNull());
    EXPECT_TRUE(openWindows().isEmpty()) << openWindows().join(" | ").toStdString();
    EXPECT_EQ(UsuarioLogado, QString::number(clara));
    EXPECT_EQ(scalar("select count(*) from unidade_trabalho where Nome = 'NOVA UNIDADE'").toInt(), 0);
}

TEST_F(UserSwitch, FormItemsBoundToAMenuActionFollowTheLoggedInProfile) {
    QAction item("Usuários", nullptr);
    bindToMenuAction(&item, "actUsuario");
    EXPECT_TRUE(item.isEnabled());
    item.trigger();
    EXPECT_FALSE(frmUsuario.isNull());

    switchTo("CLARA", "SENHA");
    ASSERT_EQ(PerfilLogado, "10");
    EXPECT_FALSE(item.isEnabled());
    item.trigger();
    EXPECT_TRUE(frmUsuario.isNull()) << "a withheld menu action opened its form";
    EXPECT_TRUE(openWindows().isEmpty());
}

TEST_F(UserSwitch, HoveringAToolButtonLeavesTheSessionPanels) {
    main->action("actUnidade")->trigger();
    QToolButton* novo = toolButton(frmUnidade, frmUnidade->actAppend);
    ASSERT_FALSE(novo->statusTip().isEmpty());
    input::activate(novo);
    QTest::mouseMove(novo);
    QStatusTipEvent tip(novo->statusTip());  // what the hover sends, in case the platform sends no hover
    QApplication::sendEvent(novo, &tip);
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->panel(0)->isVisible());
    EXPECT_TRUE(main->panel(1)->isVisible());
    EXPECT_EQ(main->statusBar()->currentMessage(), "");
    EXPECT_EQ(main->panel(0)->text(), "Unidade logada: Central");
}
