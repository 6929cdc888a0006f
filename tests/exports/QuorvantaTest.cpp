// SPDX-License-Identifier: GPL-3.0-or-later
// The auxiliary vaccination tables: one form over three tables, each with its key maker, texts and in-use check.

#include "ExportsFixture.h"

#include "common/register/RegisterForm.h"
#include "exports/UQuorvantaPrincipal.h"

#include <QPlainTextEdit>
#include <QTableView>

using namespace common;
using namespace exports;

namespace {

struct Case {
    int item;
    QString table, key, blankName;
};

const QList<Case> kCases{
    {0, "tipo_vacina", "Id_tipo_vacina", "Falta digitar o nome da vacina!"},
    {1, "tipo_motivo_nao_vacina", "Id_tipo_motivo_nao_vacina", "Falta digitar o nome do motivo da não vacinação!"},
    {2, "tipo_vacina_ocorrencia", "Id_tipo_vacina_ocorrencia", "Falta digitar o nome da vacina!"},
};

}  // namespace

class QuorvantaTest : public ExportsTest {
protected:
    TfrmQuorvantaPrincipal* form = nullptr;

    void SetUp() override {
        ExportsTest::SetUp();
        form = open("actQuorvanta", frmQuorvantaPrincipal);
    }

    void trigger(const char* action) { child<QAction>(form, action)->trigger(); }

    void typeName(const QString& text) {
        auto* edit = child<QLineEdit>(form, "dbeNome");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(QuorvantaTest, KeysNamesAndInUseDeletes) {
    // No table chosen: "Novo" does nothing.
    trigger("actAppend");
    EXPECT_FALSE(form->qryPrincipal->isActive());

    for (const Case& c : kCases) {
        SCOPED_TRACE(c.table.toStdString());
        child<QComboBox>(form, "cbbTabela")->setCurrentIndex(c.item);
        EXPECT_EQ(form->windowTitle(), auxiliaryTables()[c.item].item);
        EXPECT_EQ(form->dbgPrincipal->columnWidth(2), 447) << "\"Nome:\" as the form's description sets it";
        trigger("actAppend");
        EXPECT_EQ(form->qryPrincipal->str("Ind_registro_ativo"), "ATIVO");
        typeName("   ");
        prompts.clear();
        trigger("actPost");
        EXPECT_EQ(prompts.texts(), QStringList{c.blankName});
        EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);

        // Keys: the server's for vaccine types, the first key 1 for an empty table otherwise.
        typeName("USADO");
        trigger("actPost");
        EXPECT_EQ(prompts.last(), kOperacaoRealizada);
        const int used =
            db::toInt(scalar(QStringLiteral("select %1 from %2 where Nome = 'USADO'").arg(c.key, c.table)));
        if (c.item != 0) {
            EXPECT_EQ(used, 1);
        }
        EXPECT_EQ(child<QLineEdit>(form, "dbeId")->text().toInt(), used);
        EXPECT_EQ(db::toInt(scalar(QStringLiteral("select Inserido_por from %1").arg(c.table))), 1);
        trigger("actAppend");
        typeName("LIVRE");
        trigger("actPost");
        EXPECT_EQ(count(c.table), 2);
        EXPECT_EQ(form->qryPrincipal->recNo(), 0);

        // A row that a vaccination record refers to stays; another goes after Yes.
        exec(QStringLiteral("insert into vacina (Id_vacina, %1) values (:v, :k)").arg(c.key),
             {{"v", c.item + 1}, {"k", used}});
        ASSERT_TRUE(form->qryPrincipal->locate(c.key, used));
        prompts.clear();
        trigger("actDelete");
        EXPECT_EQ(prompts.texts(), QStringList{kRegistroEmUso});
        ASSERT_TRUE(form->qryPrincipal->locate("Nome", "LIVRE"));
        prompts.confirmations << true;
        trigger("actDelete");
        EXPECT_EQ(prompts.last(), kOperacaoRealizada);
        EXPECT_EQ(count(c.table), 1);
    }
}

TEST_F(QuorvantaTest, RefusedPostAndNeverEditedRow) {
    exec(
        R"(
            insert into tipo_motivo_nao_vacina (Id_tipo_motivo_nao_vacina, Nome, Ind_registro_ativo)
            values (7, 'CHUVA', 'ATIVO')
        )");
    exec("create unique index ux_motivo_nome on tipo_motivo_nao_vacina (Nome)");
    child<QComboBox>(form, "cbbTabela")->setCurrentIndex(1);
    ASSERT_EQ(form->qryPrincipal->recordCount(), 1);

    // A row never edited (null audit and description) is found by its key alone.
    trigger("actEdit");
    typeName("SOL");
    trigger("actPost");
    EXPECT_EQ(db::toText(scalar("select Nome from tipo_motivo_nao_vacina where Id_tipo_motivo_nao_vacina = 7")), "SOL");
    EXPECT_EQ(db::toInt(scalar("select Modificado_por from tipo_motivo_nao_vacina")), 1);

    // A save the server refuses: the error box, the transaction rolled back, the row still being inserted.
    trigger("actAppend");
    typeName("SOL");
    prompts.clear();
    trigger("actPost");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(count("tipo_motivo_nao_vacina"), 1);
    exec("drop index ux_motivo_nome");

    // Ctrl+A selects the text of an edit; from the grid it starts editing the row.
    trigger("actCancel");
    trigger("actRefresh");
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    auto* memo = child<QPlainTextEdit>(form, "dbmDescricao");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);
    form->dbgPrincipal->setFocus();
    QTest::keyClick(form->dbgPrincipal, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit);
}
