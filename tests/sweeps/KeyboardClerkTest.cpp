// SPDX-License-Identifier: GPL-3.0-or-later
// A clerk's owner, animal and booking done from the keyboard alone, at a 1366x768 screen: the menu by its
// mnemonics, Tab from control to control, lists chosen with the arrow keys, the street search by its "..."
// button, every save and the booking by their keys; the rows stored are read back.
#include "UserInput.h"
#include "WindowsFixture.h"

#include "common/register/RegisterForm.h"
#include "registry/address/UEnderecoPesquisa.h"
#include "registry/owner/OwnerPage.h"
#include "registry/register/UPropAnimal.h"
#include "scheduling/booking/UAgendaNovoAtendimento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

class KeyboardClerk : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        seedLists(false);
        input::activate(main.get());
    }

    // A key pressed where the keyboard is: in an open menu, the focused control, or the active window.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QWidget* target = QApplication::activePopupWidget();
            if (!target)
                target = input::focused() ? input::focused() : QApplication::activeWindow();
            ASSERT_TRUE(target) << "no window has the keyboard";
            QTest::keyClick(target, key, modifiers);
            settle();
        }
    }
    static void tab(int times = 1) { press(Qt::Key_Tab, Qt::NoModifier, times); }
    static void typeText(const QString& text) { input::type(input::focused(), text); }
    static QString focusName() { return input::focused() ? input::focused()->objectName() : QStringLiteral("(none)"); }

    QString text(const QString& sql) { return db::toText(scalar(sql)).trimmed(); }
};

TEST_F(KeyboardClerk, OwnerAnimalAndBookingWithoutTheMouse) {
    // 006 from the menu: Alt+C opens "&Cadastros", C its "006 - &Cadastrar Proprietário/Animal...".
    press(Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(qobject_cast<QMenu*>(QApplication::activePopupWidget())) << "Alt+C opened no menu";
    press(Qt::Key_C);
    ASSERT_TRUE(frmPropAnimal);
    EXPECT_EQ(focusName(), "dbeCodigo") << "the register opens with the focus on its first control";

    // A new owner: Ctrl+Insert at once, then the fields in the order Tab meets them.
    press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(focusName(), "cbbUnidadeProprietario");
    press(Qt::Key_Down);
    tab();
    EXPECT_EQ(focusName(), "dbeNomeProp");
    typeText("MARIA DE SOUZA");
    tab();
    typeText("6133334444");
    tab();
    EXPECT_EQ(focusName(), "dbcTipo_Pessoa");
    tab();
    typeText("11144477735");
    tab();
    EXPECT_EQ(focusName(), "dbeCI");
    tab();
    typeText("maria@exemplo.com.br");
    tab();
    EXPECT_EQ(focusName(), "mkeSenha");
    typeText("abcdefghij");
    tab();
    EXPECT_EQ(focusName(), "ckbBloqueioWeb");
    tab();
    EXPECT_EQ(focusName(), "dblDistrito");
    press(Qt::Key_Down);
    tab(3);
    EXPECT_EQ(focusName(), "dblTipo_Lograd");
    press(Qt::Key_Down);
    tab(3);
    EXPECT_EQ(focusName(), "dbeLograd");
    typeText("DAS PALMEIRAS");
    tab();
    EXPECT_EQ(focusName(), "BitBtn1") << "the street search's button is in the Tab chain";

    // The street search by its button: the name typed is searched, the second street of the list chosen.
    press(Qt::Key_Space);
    ASSERT_TRUE(frmEnderecoPesquisa);
    EXPECT_EQ(focusName(), "cbbSelecao") << "the search opens with the focus on its first control";
    tab();
    EXPECT_EQ(focusName(), "mkeTexto");
    press(Qt::Key_Return);  // the search
    tab(2);
    EXPECT_EQ(focusName(), "dbgPrincipal");
    press(Qt::Key_Down);
    press(Qt::Key_Return);  // the street under the cursor
    EXPECT_FALSE(frmEnderecoPesquisa);
    EXPECT_EQ(focusName(), "BitBtn1") << "the register is back with the focus where it was";
    tab();
    EXPECT_EQ(focusName(), "dbeNumImovel");
    typeText("77");
    press(Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier);  // Gravar
    EXPECT_EQ(prompts.texts(), QStringList{registry::kProprietarioCadastrado});
    const QString owner = text("select max(Id_Proprietario) from proprietario");
    EXPECT_EQ(text("select Nome from proprietario where Id_Proprietario = " + owner), "MARIA DE SOUZA");
    EXPECT_EQ(text("select Num_CPF_CNPJ from proprietario where Id_Proprietario = " + owner), "11144477735");
    EXPECT_EQ(text(R"(
        select e.NOM_BAIR
        from proprietario p
        join endereco e on e.Id_Endereco = p.Id_Endereco
        where p.Id_Proprietario =
    )" + owner),
              "JARDIM");

    // The animal page, which the save turned to: a new animal living with the owner.
    prompts.clear();
    ASSERT_EQ(frmPropAnimal->PageControl1->currentWidget(), frmPropAnimal->TabSheet2);
    press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(focusName(), "dbeNomeAnimal");
    typeText("BOLINHA");
    tab(7);  // the group, species, breed, size, coat and colour keep what a new animal starts with
    EXPECT_EQ(focusName(), "dbcSexo");
    press(Qt::Key_Down);
    tab();
    EXPECT_EQ(focusName(), "dbcEsterilizado");
    press(Qt::Key_Down);
    tab();
    EXPECT_EQ(focusName(), "dbeDt_Nascimento");
    typeText("01022020");
    tab(6);
    EXPECT_EQ(focusName(), "ccbCopiaEnd");
    EXPECT_TRUE(static_cast<QCheckBox*>(input::focused())->isChecked()) << "a new animal lives with its owner";
    press(Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(prompts.texts(), QStringList{common::kOperacaoRealizada});
    const QString animal = text("select max(Id_Animal) from animal");
    EXPECT_EQ(text("select Nome from animal where Id_Animal = " + animal), "BOLINHA");
    EXPECT_EQ(text("select Id_Proprietario from animal where Id_Animal = " + animal), owner);

    // Alt+M books an attendance for the animal; Hora and then Status atendimento, with nothing between.
    prompts.clear();
    press(Qt::Key_M, Qt::AltModifier);
    ASSERT_TRUE(frmAgendaNovoAtendimento);
    EXPECT_EQ(focusName(), "dblUnidadeTrabalho");
    press(Qt::Key_Tab, Qt::ShiftModifier, 2);
    EXPECT_EQ(focusName(), "mkeHora");
    typeText("0930");
    tab();
    EXPECT_EQ(focusName(), "dblStatusAtendimento");
    press(Qt::Key_Down);
    press(Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(prompts.texts(), QStringList{common::kOperacaoRealizada});
    const QString attendance = text("select max(Id_Atendimento) from atendimento");
    EXPECT_EQ(text("select Id_Animal from atendimento where Id_Atendimento = " + attendance), animal);
    EXPECT_EQ(text("select Id_Atendimento_Status from atendimento where Id_Atendimento = " + attendance), "1");
    EXPECT_EQ(
        db::toDateTime(scalar("select Data_Hora_Atendimento from atendimento where Id_Atendimento = " + attendance))
            .time(),
        QTime(9, 30));

    // Its Sair brings the register back, on the animal page.
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(frmAgendaNovoAtendimento);
    EXPECT_EQ(area->activeSubWindow()->widget(), frmPropAnimal.data());
}
