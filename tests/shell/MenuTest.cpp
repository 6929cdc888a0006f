#include "ShellFixture.h"

#include "common/FormOpening.h"
#include "common/Session.h"
#include "shell/MenuModel.h"
#include "shell/UMenuPrincipal.h"

#include <QAction>

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
        exec("insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir) "
             "values (:p, :f, :v, :i, :a, :e, :m)",
             {{"p", perfil}, {"f", form}, {"v", visualizar}, {"i", incluir}, {"a", alterar}, {"e", excluir}, {"m", imprimir}});
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
    QStringList expected{"actExportaTabelaAgendamento", "actManual", "actRelAgendaAnual", "actRelAgendaDiaria",
                         "actRelAgendaMensal", "actRelImprimeCarteirinha", "actRelProprietarioAnimal", "actUnidade"};
    expected.sort();
    EXPECT_EQ(enabled(), expected);
    EXPECT_EQ(main->panel(0)->text(), "Usuário logado: 5 - ANA(Operador)");
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

TEST_F(Menu, CaptionsTagsAndOrder) {
    EXPECT_EQ(main->action("actUnidade")->text(), "001 - &Unidade de trabalho...");
    EXPECT_EQ(main->action("actRelTipoStatusAtendimento")->text(), "033 - Tipo de &status para o atendimento... ");
    EXPECT_EQ(main->action("actCarteiraIdentificacao")->text(), "041 - &Carteira de Identificação...");
    EXPECT_EQ(main->action("actMapaDisponibilidade")->property("Tag").toInt(), 48);
    EXPECT_EQ(main->action("actRelImprimeCarteirinha")->property("Tag").toInt(), 0);
    int actions = 0;
    for (const MenuEntry& e : mainMenuEntries())
        actions += e.kind == MenuEntry::Action;
    EXPECT_EQ(actions, 63);
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
