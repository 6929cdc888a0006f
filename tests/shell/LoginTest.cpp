// SPDX-License-Identifier: GPL-3.0-or-later
// The login: units and users listed, the password checked, the session written, Enter, Sair and the user switch.
#include "ShellFixture.h"
#include "UserInput.h"

#include "common/access/Session.h"
#include "shell/ShellForms.h"
#include "shell/login/ULogin.h"
#include "shell/menu/UMenuPrincipal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class Login : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ana = addUser("Ana", "ana");
        main = std::make_unique<TfrmMenuPrincipal>();
        frmMenuPrincipal = main.get();
        dialog = std::make_unique<TfrmLogin_2>();
        dialog->FormShow();
        unidade = dialog->findChild<QComboBox*>("dblUnidade");
        usuario = dialog->findChild<QComboBox*>("dblUsuario");
        senha = dialog->findChild<QLineEdit*>("edtSenha");
        ok = dialog->findChild<QPushButton*>("bmpOK");
    }
    void TearDown() override {
        dialog.reset();
        main.reset();
        ShellTest::TearDown();
    }
    QStringList users() {
        QStringList out;
        for (int i = 0; i < usuario->count(); ++i)
            out << usuario->itemText(i);
        return out;
    }

    int ana = 0;
    std::unique_ptr<TfrmMenuPrincipal> main;
    std::unique_ptr<TfrmLogin_2> dialog;
    QComboBox* unidade = nullptr;
    QComboBox* usuario = nullptr;
    QLineEdit* senha = nullptr;
    QPushButton* ok = nullptr;
};

TEST_F(Login, UnitListShowsActiveUnitsAsIdAndCapitals) {
    QStringList units;
    for (int i = 0; i < unidade->count(); ++i)
        units << unidade->itemText(i);
    units.sort();
    EXPECT_EQ(units, QStringList({"1 - CENTRAL", "15 - QUINZE", "2 - NORTE"}));
    EXPECT_EQ(dialog->windowTitle(), "VELMORAN");
}

TEST_F(Login, UserListOffersOnlyFreeActiveOperatorsOfTheUnit) {
    addUser("Bloqueado", "b", 1, "X", "SIM");
    addUser("Inativo", "i", 1, "X", "NAO", "SIM");
    addUser("Sem login", "", 1);
    addUser("  ", "semnome", 1);
    addUser("Excluido", "e", 1, "X", "NAO", "NAO", "INATIVO");
    addUser("Outra unidade", "o", 2);
    addUser("Unidade quinze", "q", 15);
    addUser("Espacos", "esp", 1, "X", "NAO ", " NAO", "ATIVO ");
    const int web = addUser("Conta web", "web", 1);
    exec("update usuario set Id_proprietario = 5 where Id_Usuario = :id", {{"id", web}});
    const int linked = addUser("Conta ligada", "lig", 1);
    exec("insert into proprietario (Nome, id_usu_web) values ('DONO', :id)", {{"id", linked}});

    pick(unidade, "1 - CENTRAL");
    EXPECT_EQ(users(), QStringList({"ANA", "ESPACOS"}));
    pick(unidade, "15 - QUINZE");
    EXPECT_TRUE(users().isEmpty());
    pick(unidade, "2 - NORTE");
    EXPECT_EQ(users(), QStringList({"OUTRA UNIDADE"}));
}

TEST_F(Login, MessagesInOrderAndInvalidPasswords) {
    ok->click();
    EXPECT_EQ(prompts.last(), "Selecione a unidade de trabalho!");
    pick(unidade, "1 - CENTRAL");
    ok->click();
    EXPECT_EQ(prompts.last(), "Selecione o usuário!");
    pick(usuario, "ANA");
    EXPECT_EQ(dialog->panel(0)->text(), QString("%1 - ANA").arg(ana));
    EXPECT_EQ(dialog->panel(1)->text(), "OPERADOR");
    QTest::keyClicks(senha, "   ");
    ok->click();
    EXPECT_EQ(prompts.last(), "Falta digitar a senha!");
    senha->clear();
    QTest::keyClicks(senha, "senha");  // the case typed counts
    ok->click();
    EXPECT_EQ(prompts.last(), "Senha invalida!");
    EXPECT_EQ(prompts.asked.size(), 4);
    EXPECT_TRUE(UsuarioLogado.isEmpty());
    EXPECT_FALSE(dialog->succeeded());
}

TEST_F(Login, SuccessFillsTheSessionAndConfiguresTheMenu) {
    exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (1, 'TfrmUnidade', 'F', 1)");
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (10, 1, 'S', 'S', 'S', 'S', 'S')
        )");
    pick(unidade, "1 - CENTRAL");
    pick(usuario, "ANA");
    QTest::keyClicks(senha, "  SENHA ");  // blanks around are ignored
    ok->click();
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    EXPECT_TRUE(dialog->succeeded());
    EXPECT_EQ(UsuarioLogado, QString::number(ana));
    EXPECT_EQ(PerfilLogado, "10");
    EXPECT_EQ(UnidadeLogada, "1");
    EXPECT_EQ(NomeUsuarioLogado, "ANA");
    EXPECT_EQ(LoginUsuarioLogado, "ana");
    EXPECT_EQ(NomeUnidadeLogada, "Central");
    EXPECT_EQ(NomePerfilLogado, "Operador");
    EXPECT_TRUE(main->action("actUnidade")->isEnabled());
    EXPECT_FALSE(main->action("actUsuario")->isEnabled());
    EXPECT_EQ(main->panel(0)->text(), QString("Usuário logado: %1 - ANA(Operador)").arg(ana));
    EXPECT_EQ(main->panel(1)->text(), "Unidade: 1 - Central");
}

TEST_F(Login, SameUserAndPasswordRefusedUnderAnotherUnit) {
    pick(unidade, "1 - CENTRAL");
    pick(usuario, "ANA");
    unidade->setCurrentIndex(unidade->findText("2 - NORTE"));  // changed without reloading the users
    QTest::keyClicks(senha, "SENHA");
    ok->click();
    EXPECT_EQ(prompts.last(), "Senha invalida!");
    EXPECT_TRUE(UsuarioLogado.isEmpty());
}

TEST_F(Login, NoCloseWithoutLoginAndSairEndsTheProcess) {
    dialog->reject();
    EXPECT_FALSE(dialog->succeeded());
    try {
        dialog->findChild<QPushButton*>("bmpSair")->click();
        FAIL() << "Sair did not end the process";
    } catch (const ProcessEnded& e) {
        EXPECT_EQ(e.code, 0);
    }
}

TEST_F(Login, EnterMovesOnFromTheListsAndLogsInFromThePasswordWithOneEnter) {
    dialog->show();
    input::chooseItem(unidade, "1 - CENTRAL");
    input::pressEnter(unidade);
    EXPECT_EQ(input::focused(), usuario);
    input::chooseItem(usuario, "ANA");
    input::clickAndType(senha, "SENHA");
    input::pressEnter(senha);
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    EXPECT_TRUE(dialog->succeeded());
    EXPECT_EQ(UsuarioLogado, QString::number(ana));
}

TEST_F(Login, SwitchUserKeepsTheSessionUntilASuccessfulLogin) {
    loginAsAdmin();
    main->configuraMenu();
    auto* action = main->action("actTrocaUsuario");
    // The opener of action 005 comes from the shell's registrations.
    registerShellForms();
    action->trigger();
    ASSERT_TRUE(frmLogin_2);
    EXPECT_FALSE(frmLogin_2->isModal());
    auto* other = frmLogin_2.data();
    other->FormShow();
    pick(other->findChild<QComboBox*>("dblUnidade"), "1 - CENTRAL");
    pick(other->findChild<QComboBox*>("dblUsuario"), "ANA");
    QTest::keyClicks(other->findChild<QLineEdit*>("edtSenha"), "ERRADA");
    other->findChild<QPushButton*>("bmpOK")->click();
    EXPECT_EQ(prompts.last(), "Senha invalida!");
    EXPECT_EQ(UsuarioLogado, "1");
    EXPECT_EQ(PerfilLogado, "1000");

    other->findChild<QLineEdit*>("edtSenha")->setText("SENHA");
    other->findChild<QPushButton*>("bmpOK")->click();
    EXPECT_EQ(UsuarioLogado, QString::number(ana));
    EXPECT_EQ(PerfilLogado, "10");
    EXPECT_FALSE(other->isVisible());
    EXPECT_FALSE(main->action("actUnidade")->isEnabled());
    delete other;
}
