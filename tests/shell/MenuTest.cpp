// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: its captions, Tags and order, a profile's rights, the panels, the window arrangement and Sair.
#include "ShellFixture.h"

#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "shell/ShellForms.h"
#include "shell/menu/MenuModel.h"
#include "shell/menu/UMenuPrincipal.h"
#include "shell/menu/WindowArrangement.h"
#include "shell/units/UUnidade.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

class Menu : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        UsuarioLogado = "5";
        PerfilLogado = "10";
        UnidadeLogada = "1";
        NomeUsuarioLogado = "ANA";
        LoginUsuarioLogado = "ana";
        NomeUnidadeLogada = "Central";
        NomePerfilLogado = "Operador";
        main = std::make_unique<TfrmMenuPrincipal>();
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (1, 'TfrmUnidade', 'F', 1)");
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (3, 'TfrmUsuario', 'F', 3)");
        exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (241, 'TfrmSelRelCarteirinha', 'R', 0)");
    }
    void grant(int form, const QString& visualizar = "S", const QString& incluir = "S", const QString& alterar = "S",
               const QString& excluir = "S", const QString& imprimir = "S", int perfil = 10) {
        exec(
            R"(
                insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
                values (:p, :f, :v, :i, :a, :e, :m)
            )",
            {{"p", perfil},
             {"f", form},
             {"v", visualizar},
             {"i", incluir},
             {"a", alterar},
             {"e", excluir},
             {"m", imprimir}});
    }
    QStringList enabled() {
        QStringList out;
        for (QAction* a : main->menuActions())
            if (a->isEnabled() && a->property("Tag").isValid() && a->property("Tag").toInt() != -1)
                out << a->objectName();
        out.sort();
        return out;
    }
    std::unique_ptr<TfrmMenuPrincipal> main;
};

TEST_F(Menu, ProfileThousandSeesEveryItemWithoutRows) {
    PerfilLogado = "1000";
    main->configuraMenu();
    for (QAction* a : main->menuActions())
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(Menu, NoRowsLeaveOnlyTheAlwaysAvailableItems) {
    main->configuraMenu();
    EXPECT_TRUE(enabled().isEmpty()) << enabled().join(",").toStdString();
    EXPECT_TRUE(main->action("actSair")->isEnabled());
    EXPECT_TRUE(main->action("mnuSistema")->isEnabled());
    EXPECT_TRUE(main->action("WindowCascade1")->isEnabled());
}

TEST_F(Menu, RowsGrantTheirTagsAndTagZeroGrantsEveryUnnumberedItem) {
    grant(1);
    grant(241);
    main->configuraMenu();
    QStringList expected{"actExportaTabelaAgendamento", "actManual",          "actRelAgendaAnual",
                         "actRelAgendaDiaria",          "actRelAgendaMensal", "actRelImprimeCarteirinha",
                         "actRelProprietarioAnimal",    "actUnidade"};
    expected.sort();
    EXPECT_EQ(enabled(), expected);
}

TEST_F(Menu, TheFirstShowingWritesItsOwnPanelsAndEveryLaterConfigurationTheSession) {
    grant(1);
    main->show();  // the start-up: the configuration, then the window's own texts
    EXPECT_EQ(main->panel(0)->text(), "Unidade logada: Central");
    EXPECT_EQ(main->panel(1)->text(), "ANA - Operador");
    main->configuraMenu();  // as a login does after a switch of user
    EXPECT_EQ(main->panel(0)->text(), "Usuário logado: 5 - ANA(Operador)");
    EXPECT_EQ(main->panel(1)->text(), "Unidade: 1 - Central");
    main->hide();
    main->show();  // showing the window again writes nothing
    EXPECT_EQ(main->panel(0)->text(), "Usuário logado: 5 - ANA(Operador)");
    PerfilLogado = "1000";  // every item, and the same panels
    NomePerfilLogado = "Administrador";
    main->configuraMenu();
    EXPECT_EQ(main->panel(0)->text(), "Usuário logado: 5 - ANA(Administrador)");
    EXPECT_EQ(main->panel(1)->text(), "Unidade: 1 - Central");
}

TEST_F(Menu, VisualizarNWithholdsTheItem) {
    grant(1, "N");
    grant(3, "N");
    main->configuraMenu();
    EXPECT_FALSE(main->action("actUnidade")->isEnabled());
    EXPECT_FALSE(main->action("actUsuario")->isEnabled());
    EXPECT_EQ(grantedTags({{1, "N"}, {1, "S"}, {-1, "S"}, {0, ""}}), QSet<int>({1, 0}));
}

TEST_F(Menu, BlankSessionEndsTheProcessAfterTheAuthenticationError) {
    LoginUsuarioLogado = "  ";
    try {
        main->configuraMenu();
        FAIL() << "the process went on";
    } catch (const ProcessEnded& e) {
        EXPECT_EQ(e.code, 1);
    }
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.asked[0].text, "Erro de autenticação de usuário.\nTente logar novamente.");
}

TEST_F(Menu, ShowHandlerWritesItsOwnPanels) {
    grant(1);
    main->show();
    EXPECT_EQ(main->panel(0)->text(), "Unidade logada: Central");
    EXPECT_EQ(main->panel(1)->text(), "ANA - Operador");
    EXPECT_TRUE(main->action("actUnidade")->isEnabled());
    EXPECT_EQ(main->windowTitle(), "Nurvalia - NURV");
}

// The items of `menu` as lines in the order shown: submenus between "sub" and "end", each item with its Tag.
static void shownItems(const QMenu* menu, QStringList& out) {
    for (const QAction* a : menu->actions()) {
        const QString tag = a->property("Tag").toString();
        if (a->isSeparator()) {
            out << "sep " + tag;
        } else if (a->menu()) {
            out << "sub " + a->text();
            shownItems(a->menu(), out);
            out << "end";
        } else {
            out << QStringList{"act", a->text(), a->objectName(), tag}.join(' ');
        }
    }
}

TEST_F(Menu, CaptionsTagsAndOrder) {
    EXPECT_EQ(main->action("actUnidade")->text(), "001 - &Unidade de trabalho...");
    EXPECT_EQ(main->action("actRelTipoStatusAtendimento")->text(), "033 - Tipo de &status para o atendimento... ");
    EXPECT_EQ(main->action("actCarteiraIdentificacao")->text(), "041 - &Carteira de Identificação...");
    EXPECT_EQ(main->action("actMapaDisponibilidade")->property("Tag").toInt(), 48);
    EXPECT_EQ(main->action("actRelImprimeCarteirinha")->property("Tag").toInt(), 0);

    // The window shows every item of the menu's model, in its menu and its place.
    QStringList shown, model, menus;
    for (const QAction* top : main->menuBar()->actions()) {
        menus << top->text();
        shown << "menu " + top->text();
        shownItems(top->menu(), shown);
    }
    EXPECT_EQ(menus, QStringList({"&Sistema", "&Cadastros", "&Operacional", "&Relatórios", "&Utilitário", "&Janelas",
                                  "&Ajuda"}));
    int separatorsOfTagZero = 0;
    QSet<QString> names;
    const QRegularExpression number("^\\d+");
    for (const MenuEntry& e : mainMenuEntries()) {
        const QString tag = QString::number(e.tag);
        switch (e.kind) {
        case MenuEntry::MenuBegin: model << "menu " + e.caption; break;
        case MenuEntry::SubmenuBegin: model << "sub " + e.caption; break;
        case MenuEntry::SubmenuEnd: model << "end"; break;
        case MenuEntry::Separator:
            model << "sep " + tag;
            separatorsOfTagZero += e.tag == 0;
            break;
        case MenuEntry::Action:
            model << QStringList{"act", e.caption, e.actionName, tag}.join(' ');
            EXPECT_FALSE(names.contains(e.actionName)) << "two items named " << e.actionName.toStdString();
            names.insert(e.actionName);
            // A Tag above zero is the number that the caption starts with.
            if (e.tag > 0) {
                EXPECT_EQ(number.match(e.caption).captured().toInt(), e.tag) << e.caption.toStdString();
            }
            break;
        }
    }
    EXPECT_EQ(shown, model);
    EXPECT_EQ(separatorsOfTagZero, 4) << "the four separators of Tag 0";
}

// A form with the four standard actions, as register forms have them.
static QWidget* formWithActions() {
    auto* form = new QWidget;
    for (const char* name : {"actAppend", "actEdit", "actDelete", "actPrint", "actInformation"}) {
        auto* a = new QAction(name, form);
        a->setObjectName(name);
        form->addAction(a);
    }
    return form;
}

TEST_F(Menu, FormRightsHideWhatEachNRefusesOnTheNewFormOnly) {
    std::unique_ptr<QWidget> earlier(formWithActions());
    EXPECT_FALSE(applyFormRights(earlier.get(), 1));  // no row: nothing hidden
    for (QAction* a : earlier->actions())
        EXPECT_TRUE(a->isVisible());

    grant(1, "S", "N", "S", "N", "N");
    std::unique_ptr<QWidget> later(formWithActions());
    RightsHiding hiding;
    hiding.shownWithRow = {"actInformation"};
    later->findChild<QAction*>("actInformation")->setVisible(false);
    EXPECT_TRUE(applyFormRights(later.get(), 1, hiding));
    EXPECT_FALSE(later->findChild<QAction*>("actAppend")->isVisible());
    EXPECT_TRUE(later->findChild<QAction*>("actEdit")->isVisible());
    EXPECT_FALSE(later->findChild<QAction*>("actDelete")->isVisible());
    EXPECT_FALSE(later->findChild<QAction*>("actPrint")->isVisible());
    EXPECT_TRUE(later->findChild<QAction*>("actInformation")->isVisible());
    for (QAction* a : earlier->actions())
        EXPECT_TRUE(a->isVisible());
}

TEST(WindowArrangement, RowsColumnsAndIconsShareTheWorkArea) {
    const QRect area(0, 0, 300, 200);
    struct Case {
        QList<QRect> got, expected;
    };
    const QList<Case> cases{
        {stackedRects(0, area), {}},
        {stackedRects(1, area), {area}},
        {stackedRects(3, area), {{0, 0, 300, 66}, {0, 66, 300, 67}, {0, 133, 300, 67}}},
        {sideBySideRects(2, area), {{0, 0, 150, 200}, {150, 0, 150, 200}}},
        {sideBySideRects(3, QRect(10, 5, 100, 50)), {{10, 5, 33, 50}, {43, 5, 33, 50}, {76, 5, 34, 50}}},
        {iconRects(3, area, {120, 30}), {{0, 170, 120, 30}, {120, 170, 120, 30}, {0, 140, 120, 30}}},
        {iconRects(1, area, {400, 30}), {{0, 170, 400, 30}}},
    };
    for (int i = 0; i < cases.size(); ++i)
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
}

TEST_F(Menu, SairClosesTheRegistersFirstAndExitsOnlyWhenEveryOneClosed) {
    registerShellForms();
    main->show();
    openerFor("actUnidade")();
    QPointer<TfrmUnidade> browsing = frmUnidade;
    openerFor("actUnidade")();
    QPointer<TfrmUnidade> typing = frmUnidade;
    typing->findChild<QAction*>("actAppend")->trigger();
    QTest::keyClicks(typing->dbeNome, "NOVA");

    prompts.confirmations = {false};
    EXPECT_NO_THROW(main->action("actSair")->trigger()) << "Não: nothing exits";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(typing.isNull());
    EXPECT_EQ(typing->dbeNome->text(), "NOVA");
    EXPECT_EQ(prompts.texts(), QStringList({"Existem alterações não gravadas. Deseja sair sem gravar?"}));

    prompts.confirmations = {true};
    EXPECT_THROW(main->action("actSair")->trigger(), ProcessEnded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(browsing.isNull());
    EXPECT_TRUE(typing.isNull());
    EXPECT_EQ(count("unidade_trabalho"), 4) << "the typed row was discarded";
}
