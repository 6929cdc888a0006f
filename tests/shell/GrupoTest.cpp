// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles register: its rights list, saved and deleted with the profile in one transaction.

#include "AccessFixture.h"

#include "shell/profiles/PerfilFormPage.h"
#include "shell/profiles/UGrupo.h"
#include "shell/profiles/UPerfilUsuarioPesquisa.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

class GrupoTest : public AccessTest {
protected:
    void SetUp() override {
        AccessTest::SetUp();
        form = open("actPerfil", frmGrupo);
        list = form->findChild<QTreeWidget*>("lvwFormulario");
    }

    void include(const QString& tipo, const QString& nome) {
        choose(form, "cbbForm_Rel", tipo);
        choose(form, "dblFormulario", nome);
        form->findChild<QPushButton*>("bmpIncluir")->click();
    }

    // The profile's rows as stored: form and the five rights, in key order.
    QStringList storedRights(int perfil) {
        const db::RowSet rows = db::run(db::kMain,
                                        R"(
                                            select Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir
                                            from perfil_form
                                            where Id_Perfil = :p
                                            order by Id_Form
                                        )",
                                        {{"p", perfil}});
        QStringList out;
        for (int r = 0; r < rows.count(); ++r) {
            QString line;
            for (const QVariant& v : rows.row(r))
                line += db::toText(v).trimmed();
            out << line;
        }
        return out;
    }

    QPointer<TfrmGrupo> form;
    QTreeWidget* list = nullptr;
};

TEST_F(GrupoTest, InsertNeedsAListRefusesAFormTwiceAndWritesProfileAndRights) {
    EXPECT_EQ(form->pgcPrincipal->tabText(1), "Formulário / Relatório");
    include("Formulário", "TFRMUNIDADE");
    EXPECT_EQ(prompts.last(),
              "É necessário que o arquivo esteja no modo de inserção ou edição para incluir ou "
              "excluir um novo formulário ou relatório.");
    trigger(form, "actAppend");
    type(form, "dbeNome", "recepcao");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar os formulários e relatórios deste perfil.");

    include("Formulário", "TFRMUNIDADE");
    include("Formulário", "TFRMUNIDADE");
    EXPECT_EQ(prompts.last(), "Este formulário/relatório já está na lista!");
    form->findChild<QCheckBox*>("chkExcluir")->setChecked(false);
    include("Relatório", "TFRMRELUSUARIO");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(1), "Relatório");
    EXPECT_EQ(list->topLevelItem(1)->text(8), "Relatório");  // the form's description

    type(form, "dbeNome", "operador");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Já existe um perfil com este nome.");
    type(form, "dbeNome", "recepcao");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(form->qryPrincipal->field("Id_Perfil").toInt(), 11) << "the highest key plus one";
    EXPECT_EQ(storedRights(11), QStringList({"1SSSSS", "27SSSNS"}));
    EXPECT_EQ(scalar("select Ind_Status from perfil where Id_Perfil = 11").toString(), "ATIVO");
    EXPECT_EQ(list->topLevelItemCount(), 2) << "reloaded from the rows written";
}

TEST_F(GrupoTest, AnEditReplacesTheRightsExactlyAndAFailedRowRollsEverythingBack) {
    exec("insert into perfil_form values (10, 1, 'S', 'S', 'S', 'S', 'S')");
    exec("insert into perfil_form values (10, 3, 'S', 'N', 'N', 'N', 'N')");
    trigger(form, "actRefresh");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(2), "TFRMUSUARIO");

    trigger(form, "actEdit");
    list->setCurrentItem(list->topLevelItem(0));
    form->findChild<QPushButton*>("bmpExcluir")->click();
    include("Relatório", "TFRMRELUSUARIO");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(storedRights(10), QStringList({"3SNNNN", "27SSSSS"}));

    trigger(form, "actEdit");
    type(form, "dbeNome", "OUTRO NOME");
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{"", "Formulário", "SEM FORMULÁRIO"}));  // no form id
    prompts.clear();
    trigger(form, "actPost");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit);
    EXPECT_EQ(list->topLevelItemCount(), 3) << "the list as shown";
    EXPECT_EQ(storedRights(10), QStringList({"3SNNNN", "27SSSSS"}));
    EXPECT_EQ(scalar("select Nome from perfil where Id_Perfil = 10").toString(), "OPERADOR");
}

// Another workstation changes the rights of the profile being edited within the same second (the profile's
// own row untouched): the save, which rewrites the rights whole, is refused and the other's rights stay.
TEST_F(GrupoTest, RightsChangedMeanwhileByAnotherWorkstationAreNeverOverwritten) {
    exec("insert into perfil_form values (10, 1, 'S', 'S', 'S', 'S', 'S')");
    exec("insert into perfil_form values (10, 3, 'S', 'N', 'N', 'N', 'N')");
    const QList<std::pair<QString, QStringList>> cases{
        {"update perfil_form set Excluir = 'N' where Id_Form = 1", {"1SSSNS", "3SNNNN"}},
        {"insert into perfil_form values (10, 27, 'S', 'S', 'S', 'S', 'S')", {"1SSSSS", "3SNNNN", "27SSSSS"}},
        {"delete from perfil_form where Id_Form = 3", {"1SSSSS"}},
    };
    for (const auto& [change, others] : cases) {
        trigger(form, "actRefresh");
        trigger(form, "actEdit");
        type(form, "dbeNome", "CAIXA");
        {
            OtherWorkstation station;
            QString error;
            ASSERT_TRUE(station.exec(change, {}, &error)) << error.toStdString();
        }
        prompts.clear();
        trigger(form, "actPost");
        EXPECT_EQ(prompts.texts(), QStringList{db::kRegistroAlterado}) << qPrintable(change);
        EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit) << qPrintable(change);
        EXPECT_EQ(storedRights(10), others) << qPrintable(change);
        EXPECT_EQ(scalar("select Nome from perfil where Id_Perfil = 10").toString(), "OPERADOR");
        trigger(form, "actCancel");
        exec("delete from perfil_form");
        exec("insert into perfil_form values (10, 1, 'S', 'S', 'S', 'S', 'S')");
        exec("insert into perfil_form values (10, 3, 'S', 'N', 'N', 'N', 'N')");
    }
    trigger(form, "actRefresh");
    trigger(form, "actEdit");
    type(form, "dbeNome", "CAIXA");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(storedRights(10), QStringList({"1SSSSS", "3SNNNN"}));
    EXPECT_EQ(scalar("select Nome from perfil where Id_Perfil = 10").toString(), "CAIXA");
}

TEST_F(GrupoTest, DeleteIsRefusedWhileAUserHoldsTheProfileThenTakesItsRights) {
    exec("insert into perfil_form values (10, 1, 'S', 'S', 'S', 'S', 'S')");
    const int ana = addUser("ANA");
    trigger(form, "actPesquisar");
    QPointer<TfrmPerfilUsuarioPesquisa> search = frmPerfilUsuarioPesquisa;
    search->cbbSelecao->setCurrentText("Nome");
    search->edtTexto->setText("oper");
    search->bmpLocalizar->click();
    EXPECT_EQ(search->qryPrincipal->recordCount(), 1);
    search->bmpOK->click();
    EXPECT_EQ(list->topLevelItemCount(), 1) << "the chosen profile's list";

    trigger(form, "actDelete");
    EXPECT_EQ(prompts.last(), "Você não pode excluir este perfil.\nEle esta sendo usado pelo usuário.ANA");
    EXPECT_EQ(count("perfil"), 1);

    exec("delete from usuario where id_usuario = :id", {{"id", ana}});
    prompts.confirmations = {true};
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(count("perfil") + count("perfil_form"), 0);
}

}  // namespace
