// SPDX-License-Identifier: GPL-3.0-or-later
// The work-unit search: moving by code or name as the user types, and the register following.

#include "UnidadeFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

namespace {

class UnidadeConsultarTest : public UnidadeTest {
protected:
    void SetUp() override {
        UnidadeTest::SetUp();
        addUnit(1, "NORTE");
        addUnit(2, "CENTRO");
        addUnit(3, "CENTRAL");
        addUnit(12, "SUL");
        addUnit(4, "centro velho");  // typed in lower case before the edits were in capitals
        form = openUnidade();
        trigger(form, "actPesquisar");
        search = frmUnidadeConsultar;
    }

    // What the user sees in the register: the keys of its rows.
    QStringList registerKeys() const { return column(*form->qryPrincipal, "Id_Unidade_Trabalho"); }

    void choose(const QString& kind) { search->cbbSelecao->setCurrentText(kind); }
    void retype(const QString& text) {
        search->edtTexto->clear();
        if (text.isEmpty())
            QTest::keyClick(search->edtTexto, Qt::Key_Backspace);  // a key released on an empty edit
        else
            QTest::keyClicks(search->edtTexto, text);
    }

    QPointer<TfrmUnidade> form;
    QPointer<TfrmUnidadeConsultar> search;
};

TEST_F(UnidadeConsultarTest, OpeningListsTheUnitsAndShowsTheFirstInTheRegister) {
    EXPECT_EQ(search->cbbSelecao->currentText(), "Nome");
    EXPECT_EQ(search->qryPrincipal->recordCount(), 5);
    const QString first = db::toText(search->qryPrincipal->field("id_unidade_trabalho"));
    EXPECT_EQ(registerKeys(), QStringList({first})) << "the register holds exactly the unit under the cursor";
    EXPECT_EQ(search->dbgPrincipal->model()->headerData(0, Qt::Horizontal).toString(), "Código");
}

TEST_F(UnidadeConsultarTest, NomeMovesToTheFirstNameBeginningWithTheText) {
    retype("cent");  // the edit types capitals
    EXPECT_EQ(search->edtTexto->text(), "CENT");
    EXPECT_EQ(search->qryPrincipal->str("nome"), "CENTRO") << "the first in the list, not the first in order";
    EXPECT_EQ(registerKeys(), QStringList({"2"}));
    EXPECT_EQ(form->dbeNome->text(), "CENTRO");

    retype("centrA");
    EXPECT_EQ(registerKeys(), QStringList({"3"}));

    retype("CENTRO V");  // the comparison keeps case: "centro velho" is not found, the cursor stays put
    EXPECT_EQ(registerKeys(), QStringList({"2"}));

    retype("");
    EXPECT_EQ(search->qryPrincipal->recNo(), 0) << "a blank text moves to the first row";
    EXPECT_EQ(registerKeys(), QStringList({"1"}));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UnidadeConsultarTest, CodigoMovesToTheNumberTypedAndNowhereElse) {
    choose("Código");
    retype("12");
    EXPECT_EQ(search->qryPrincipal->str("nome"), "SUL");
    EXPECT_EQ(registerKeys(), QStringList({"12"}));

    retype("x; delete from unidade_trabalho");  // not a number: no move
    EXPECT_EQ(registerKeys(), QStringList({"12"}));
    retype("");
    EXPECT_EQ(search->qryPrincipal->str("nome"), "SUL") << "a blank code moves nowhere";
    retype("99");
    EXPECT_EQ(registerKeys(), QStringList({"12"}));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UnidadeConsultarTest, ScrollingTheListFollowsInTheRegister) {
    QAbstractItemModel* model = search->dbgPrincipal->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 1).data().toString() == "SUL")
            search->dbgPrincipal->selectionModel()->setCurrentIndex(
                model->index(row, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    EXPECT_EQ(registerKeys(), QStringList({"12"}));
    EXPECT_EQ(form->dbeNome->text(), "SUL");
}

TEST_F(UnidadeConsultarTest, WorksOnTheRegisterThatOpenedItAndLeavesItAloneOnceClosed) {
    TfrmUnidade* newer = openUnidade();
    retype("SUL");
    EXPECT_EQ(registerKeys(), QStringList({"12"}));
    EXPECT_EQ(newer->qryPrincipal->recordCount(), 0) << "the newest register is not the one searched";

    form->closeForm();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(form.isNull());
    retype("NORTE");
    choose("Código");
    retype("2");
    EXPECT_EQ(search->qryPrincipal->str("nome"), "CENTRO");
    EXPECT_EQ(newer->qryPrincipal->recordCount(), 0);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UnidadeConsultarTest, TitleClickSortsTheListWithOneOrderClause) {
    QHeaderView* titles = search->dbgPrincipal->horizontalHeader();
    emit titles->sectionClicked(1);
    emit titles->sectionClicked(1);
    EXPECT_EQ(search->qryPrincipal->text().count("order by"), 1);
    EXPECT_EQ(search->qryPrincipal->cell(0, "nome").toString(), "CENTRAL");
    emit titles->sectionClicked(0);
    EXPECT_EQ(search->qryPrincipal->cell(4, "id_unidade_trabalho").toInt(), 12);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UnidadeConsultarTest, HostileNameIsStoredAndFoundAsPlainText) {
    search->close();
    trigger(form, "actAppend");
    QTest::keyClicks(form->dbeNome, "O'BRIEN'; DROP TABLE unidade_trabalho; --");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    const QString stored = "O'BRIEN'; DROP TABLE UNIDADE_TRABALHO; --";
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 13")), stored);
    EXPECT_EQ(count("unidade_trabalho"), 6);

    trigger(form, "actPesquisar");
    search = frmUnidadeConsultar;
    retype("O'BRIEN'; D");
    EXPECT_EQ(registerKeys(), QStringList({"13"}));
    EXPECT_EQ(form->dbeNome->text(), stored);
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(1);  // sorting what the search showed
    EXPECT_EQ(registerKeys(), QStringList({"13"}));
    EXPECT_EQ(count("unidade_trabalho"), 6);
}

}  // namespace
