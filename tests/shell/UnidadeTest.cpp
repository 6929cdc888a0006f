// SPDX-License-Identifier: GPL-3.0-or-later
// The work-unit register, driven through its controls and actions.

#include "UnidadeFixture.h"

#include "common/access/Session.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"

#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTableView>

namespace {

QString status(const QVariant& key) {
    return db::toText(
        db::run(db::kMain, "select Ind_Status from unidade_trabalho where Id_Unidade_Trabalho = :k", {{"k", key}})
            .row(0)[0]);
}

TEST_F(UnidadeTest, MenuAction001OpensAnEmptyRegisterOfItsOwnShape) {
    addUnit(1, "CENTRAL");
    TfrmUnidade* form = openUnidade();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "001 - Cadastro de unidade de trabalho.");
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 0) << "the user fills it with Atualizar or the search";
    EXPECT_TRUE(form->findChild<QLineEdit*>("dbeCodigo")->isReadOnly());
    EXPECT_EQ(ui::columnLengthOf(form->findChild<QLineEdit*>("dbeNome")), 100);
    EXPECT_NE(form->findChild<QPlainTextEdit*>("dbmDescricao"), nullptr);
    EXPECT_EQ(form->findChild<QCheckBox*>("dbcAtivo")->text(), "Registro inativo.");
    auto* grid = form->findChild<QTableView*>("dbgPrincipal");
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({"Código", "Nome", "Status", "Descrição"}));

    trigger(form, "actRefresh");
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "CENTRAL");

    TfrmUnidade* second = openUnidade();
    EXPECT_NE(second, form) << "each use of the action makes another register";
    EXPECT_EQ(frmUnidade, second);
}

TEST_F(UnidadeTest, NovoOnAnEmptyTableGivesKeyOneAndRecordsTheInsert) {
    TfrmUnidade* form = openUnidade();
    trigger(form, "actAppend");
    EXPECT_FALSE(form->dbcAtivo->isChecked()) << "a new unit starts ATIVO";
    QTest::keyClicks(form->dbeNome, "centro de zoonoses");
    QTest::keyClicks(form->dbmDescricao, "Sede");
    const QDateTime before = db::serverTime();
    trigger(form, "actPost");
    const QDateTime after = db::serverTime();

    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);
    EXPECT_EQ(form->dbeCodigo->text(), "1");
    const db::RowSet row = db::run(db::kMain, "select * from unidade_trabalho", {});
    ASSERT_EQ(row.count(), 1);
    auto value = [&](const char* field) { return row.row(0)[row.indexOrThrow(field)]; };
    EXPECT_EQ(db::toInt(value("Id_Unidade_Trabalho")), 1);
    EXPECT_EQ(db::toText(value("Nome")), "CENTRO DE ZOONOSES") << "typed through the capitals edit";
    EXPECT_EQ(db::toText(value("Descricao")), "Sede");
    EXPECT_EQ(db::toText(value("Ind_Status")), "ATIVO");
    EXPECT_EQ(db::toInt(value("Inserido_Por")), 1);
    const QDateTime inserted = db::toDateTime(value("Inserido_Em"));
    EXPECT_GE(inserted, before);
    EXPECT_LE(inserted, after);
    EXPECT_EQ(inserted.time().msec(), 0);
    EXPECT_TRUE(value("Modificado_Por").isNull());
    EXPECT_TRUE(value("Modificado_Em").isNull());

    addUnit(7, "OUTRA");  // the next key is the highest plus one, gaps and all
    trigger(form, "actAppend");
    QTest::keyClicks(form->dbeNome, "norte");
    trigger(form, "actPost");
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 8")), "NORTE");
}

TEST_F(UnidadeTest, NameOfBlanksIsRefusedAndTheRowStaysBeingTyped) {
    TfrmUnidade* form = openUnidade();
    trigger(form, "actAppend");
    QTest::keyClicks(form->dbeNome, "   ");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Falta preencher o nome da unidade!"}));
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(count("unidade_trabalho"), 0);
    EXPECT_FALSE(db::inTransaction());
}

TEST_F(UnidadeTest, AlterarRecordsOnlyTheModificationAudit) {
    exec(
        R"(
            insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status, Inserido_Por, Inserido_Em)
            values (3, 'SUL', 'ATIVO', 9, :em)
        )",
        {{"em", QDateTime(QDate(2020, 5, 4), QTime(10, 11, 12))}});
    TfrmUnidade* form = openUnidade();
    trigger(form, "actRefresh");
    QTest::keyClick(form->dbcAtivo, Qt::Key_Space);  // browsing: the check box does not change
    EXPECT_FALSE(form->dbcAtivo->isChecked());

    trigger(form, "actEdit");
    QTest::keyClicks(form->dbeNome, " II");
    QTest::keyClick(form->dbcAtivo, Qt::Key_Space);
    const QDateTime before = db::serverTime();
    trigger(form, "actPost");

    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho")), "SUL II");
    EXPECT_EQ(status(3), "INATIVO") << "ticked means inactive";
    EXPECT_EQ(db::toInt(scalar("select Inserido_Por from unidade_trabalho")), 9);
    EXPECT_EQ(db::toDateTime(scalar("select Inserido_Em from unidade_trabalho")),
              QDateTime(QDate(2020, 5, 4), QTime(10, 11, 12)));
    EXPECT_EQ(db::toInt(scalar("select Modificado_Por from unidade_trabalho")), 1);
    EXPECT_GE(db::toDateTime(scalar("select Modificado_Em from unidade_trabalho")), before);

    trigger(form, "actEdit");
    QTest::keyClick(form->dbcAtivo, Qt::Key_Space);
    QTest::keyClicks(form->dbeNome, "X");
    trigger(form, "actCancel");
    EXPECT_EQ(form->dbeNome->text(), "SUL II");
    EXPECT_TRUE(form->dbcAtivo->isChecked());
    EXPECT_EQ(status(3), "INATIVO");
}

// A row of each table that refers to a unit, in the order the delete checks them.
const QList<QPair<QString, QString>> kReferences{
    {"unidade_trabalho_profissional",
     "insert into unidade_trabalho_profissional (Id_Unidade_Trabalho, Id_Profissional) values (:u, 1)"},
    {"atendimento", "insert into atendimento (Id_Unidade_Trabalho) values (:u)"},
    {"jornada_trabalho", "insert into jornada_trabalho (Id_Jornada_Trabalho, Id_Unidade_Trabalho) values (1, :u)"},
    {"impedimento", "insert into impedimento (Id_Impedimento, Id_Unidade_Trabalho) values (1, :u)"},
    {"profissional", "insert into profissional (Id_Profissional, Id_Unidade_Trabalho) values (1, :u)"},
    {"usuario", "insert into usuario (Id_Unidade_Trabalho, Nome) values (:u, 'ANA')"},
    {"jornada_trabalho_execao",
     "insert into jornada_trabalho_execao (Id_Jornada_Trabalho_Execao, Id_Unidade_Trabalho) values (1, :u)"},
};
const QString kEmUso = "A unidade de trabalho não pode ser excluída, ela esta sendo usado pelo sistema.";

TEST_F(UnidadeTest, EachOfTheSevenReferringTablesBlocksTheDelete) {
    addUnit(1, "CENTRAL");
    addUnit(2, "NORTE");
    exec("insert into profissional (Id_Profissional, Id_Unidade_Trabalho) values (99, 1)");  // another unit's
    TfrmUnidade* form = openUnidade();
    form->openKey(2);
    for (const auto& [table, insert] : kReferences) {
        SCOPED_TRACE(table.toStdString());
        prompts.clear();
        exec(insert, {{"u", 2}});
        trigger(form, "actDelete");
        EXPECT_EQ(prompts.texts(), QStringList({kEmUso})) << "refused before the question";
        EXPECT_EQ(count("unidade_trabalho"), 2);
        exec("delete from " + table + " where Id_Unidade_Trabalho = 2");
    }
    prompts.clear();
    prompts.confirmations = {true};
    trigger(form, "actDelete");
    EXPECT_EQ(count("unidade_trabalho"), 1);
}

TEST_F(UnidadeTest, ReferenceChecksStopAtTheFirstTableThatRefers) {
    addUnit(2, "NORTE");
    exec(kReferences.first().second, {{"u", 2}});
    // With the last table gone, reaching its check would fail on the server.
    ddl("alter table jornada_trabalho_execao rename to jte_guardada");
    Undo restore{[] { ddl("alter table jte_guardada rename to jornada_trabalho_execao"); }};
    TfrmUnidade* form = openUnidade();
    form->openKey(2);
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.texts(), QStringList({kEmUso}));
}

TEST_F(UnidadeTest, DeleteAsksFirstAndReloadsEveryRowOnYes) {
    addUnit(1, "CENTRAL");
    addUnit(2, "NORTE");
    addUnit(3, "SUL");
    TfrmUnidade* form = openUnidade();
    trigger(form, "actRefresh");
    trigger(form, "actNext");
    prompts.confirmations = {false};
    trigger(form, "actDelete");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Confirmation);
    EXPECT_EQ(prompts.asked[0].text, "Você esta preste a deletar a unidade nº: 2\n deseje continuar?");
    EXPECT_EQ(count("unidade_trabalho"), 3);
    EXPECT_EQ(form->qryPrincipal->recNo(), 1) << "No changes nothing";

    form->openKey(3);  // as after a search: one row shown
    prompts.clear();
    prompts.confirmations = {true};
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.texts().last(), "Operação realizada com sucesso!");
    EXPECT_EQ(column(*form->qryPrincipal, "Id_Unidade_Trabalho"), QStringList({"1", "2"}));
    EXPECT_EQ(count("unidade_trabalho"), 2);
}

TEST_F(UnidadeTest, DeleteTheServerRefusesIsRolledBackWithTheRegistersMessage) {
    addUnit(1, "CENTRAL");
    if (testingPostgres()) {
        ddl("create function recusa_exclusao() returns trigger language plpgsql as "
            "$$ begin raise exception 'unidade protegida'; end $$");
        ddl("create trigger recusa_exclusao before delete on unidade_trabalho for each row execute function "
            "recusa_exclusao()");
    } else {
        ddl("create trigger recusa_exclusao before delete on unidade_trabalho begin select raise(abort, 'unidade "
            "protegida'); end");
    }
    Undo drop{[] {
        ddl(testingPostgres() ? "drop trigger recusa_exclusao on unidade_trabalho" : "drop trigger recusa_exclusao");
        if (testingPostgres())
            ddl("drop function recusa_exclusao()");
    }};
    TfrmUnidade* form = openUnidade();
    trigger(form, "actRefresh");
    prompts.confirmations = {true};
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.last(), "O registro esta sendo usado pelo sistema e não pode ser excluído!");
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(count("unidade_trabalho"), 1);
}

TEST_F(UnidadeTest, DeleteOnAnEmptyRegisterSaysThereIsNoRecord) {
    TfrmUnidade* form = openUnidade();
    EXPECT_FALSE(form->findChild<QAction*>("actDelete")->isEnabled());
    prompts.confirmations = {true};
    form->remove();
    EXPECT_EQ(prompts.texts().last(), "Não há registro!");
}

TEST_F(UnidadeTest, RefusedPostRollsBackAndKeepsWhatWasTyped) {
    addUnit(1, "CENTRAL");
    ddl("create unique index ux_unidade_nome on unidade_trabalho (Nome)");
    Undo drop{[] { ddl("drop index ux_unidade_nome"); }};
    TfrmUnidade* form = openUnidade();
    trigger(form, "actAppend");
    QTest::keyClicks(form->dbeNome, "central");
    QTest::keyClicks(form->dbmDescricao, "repetida");
    trigger(form, "actPost");

    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error) << "the server's own text in the standard error box";
    EXPECT_FALSE(prompts.asked[0].text.isEmpty());
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(form->dbeNome->text(), "CENTRAL");
    EXPECT_EQ(form->dbmDescricao->toPlainText(), "repetida");
    EXPECT_EQ(count("unidade_trabalho"), 1);

    QTest::keyClicks(form->dbeNome, " 2");  // another try
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 2")), "CENTRAL 2");

    prompts.clear();
    trigger(form, "actEdit");  // an edit the server refuses stays an edit
    form->dbeNome->clear();
    QTest::keyClicks(form->dbeNome, "central");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit);
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 2")), "CENTRAL 2");
    EXPECT_FALSE(db::inTransaction());
}

TEST_F(UnidadeTest, ControlCharactersAndTextPastTheColumnNeverReachTheDatabase) {
    TfrmUnidade* form = openUnidade();
    trigger(form, "actAppend");
    QApplication::clipboard()->setText(QString("CEN") + QChar(0) + "TRO\t\x1b");
    form->dbeNome->paste();
    EXPECT_EQ(form->dbeNome->text(), "CENTRO");
    const QString tail(10000, 'x');
    QApplication::clipboard()->setText(QString("a") + QChar(0) + "\tb\r\nc\x07" + tail);
    form->dbmDescricao->paste();
    const QString kept = "a\tb\nc" + tail.left(245);
    EXPECT_EQ(form->dbmDescricao->toPlainText(), kept) << "tabs and line breaks stay, the paste is cut at 250";
    QTest::keyClick(form->dbmDescricao, Qt::Key_Z);
    EXPECT_EQ(form->dbmDescricao->toPlainText(), kept) << "typing on a full memo is refused";
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho")), "CENTRO");
    EXPECT_EQ(db::toText(scalar("select Descricao from unidade_trabalho")), kept);
}

TEST_F(UnidadeTest, SearchOpensCentredAndWholeAndNeitherItNorTheWindowsCloseBoxLoseATypedRow) {
    auto* area = new QMdiArea;
    area->resize(1000, 700);
    setWorkspace(area);
    area->show();
    addUnit(1, "NORTE");
    addUnit(2, "CENTRO");
    QPointer<TfrmUnidade> form = openUnidade();
    QMdiSubWindow* window = area->subWindowList().value(0);
    trigger(form, "actPesquisar");
    TfrmUnidadeConsultar* search = frmUnidadeConsultar;
    QCoreApplication::processEvents();
    const QRect dialog = qobject_cast<QMdiSubWindow*>(search->parentWidget())->geometry();
    EXPECT_LE((dialog.center() - area->viewport()->rect().center()).manhattanLength(), 2);
    EXPECT_GE(search->dbgPrincipal->viewport()->width(),
              search->dbgPrincipal->columnWidth(0) + search->dbgPrincipal->columnWidth(1))
        << "no column is cut";

    trigger(form, "actEdit");
    EXPECT_EQ(form->focusWidget(), form->dbeNome) << "Alterar";
    trigger(form, "actCancel");
    form->dbeCodigo->setFocus();
    trigger(form, "actAppend");
    EXPECT_EQ(form->focusWidget(), form->dbeNome) << "Novo";
    QTest::keyClicks(form->dbeNome, "NOVA");
    search->qryPrincipal->next();
    QTest::keyClicks(search->edtTexto, "N");
    prompts.confirmations = {false};
    EXPECT_FALSE(window->close()) << "Não keeps the window";
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(form->dbeNome->text(), "NOVA");

    prompts.confirmations = {true};
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(prompts.texts(), QStringList(2, "Existem alterações não gravadas. Deseja sair sem gravar?"));
    EXPECT_EQ(count("unidade_trabalho"), 2);
}

// A register whose save meets another system inserting the same new key, without the key's lock, between
// the key's reading and the post.
class RacingUnidade : public TfrmUnidade {
public:
    std::function<void(int)> otherWorkstation;

protected:
    QVariant newKey() override {
        const QVariant key = TfrmUnidade::newKey();
        if (auto other = std::exchange(otherWorkstation, nullptr))
            other(key.toInt());
        return key;
    }
};

TEST_F(UnidadeTest, ANewKeyTakenMeanwhileIsTriedOnceMoreWithTheNext) {
    if (!testingPostgres())
        GTEST_SKIP() << "SQLite lets one workstation write at a time: the other waits for the save to end";
    addUnit(1, "CENTRAL");
    auto* form = new RacingUnidade;
    form->show();
    form->otherWorkstation = [](int key) {
        OtherWorkstation station;
        EXPECT_TRUE(
            station.exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (?, 'DE LA')", {key}));
    };
    trigger(form, "actAppend");
    QTest::keyClicks(form->dbeNome, "daqui");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 2")), "DE LA");
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Id_Unidade_Trabalho = 3")), "DAQUI");
    EXPECT_EQ(db::toInt(form->qryPrincipal->field("Id_Unidade_Trabalho")), 3);
}

TEST_F(UnidadeTest, RightsOfForm1HideTheFourActionsOfANewRegisterOnly) {
    TfrmUnidade* earlier = openUnidade();
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, 1, 'S', 'N', 'N', 'N', 'N')
        )");
    TfrmUnidade* later = openUnidade();
    for (const char* name : {"actAppend", "actEdit", "actDelete", "actPrint"}) {
        EXPECT_FALSE(later->findChild<QAction*>(name)->isVisible()) << name;
        EXPECT_TRUE(earlier->findChild<QAction*>(name)->isVisible()) << name;
    }
    for (const char* name : {"actRefresh", "actPost", "actCancel", "actPesquisar", "actSair", "actFirst"})
        EXPECT_TRUE(later->findChild<QAction*>(name)->isVisible()) << name;
}

TEST_F(UnidadeTest, ClickOnAGridTitleSortsAndMarksTheColumn) {
    addUnit(1, "NORTE", "INATIVO");
    addUnit(2, "CENTRAL");
    addUnit(3, "SUL");
    TfrmUnidade* form = openUnidade();
    trigger(form, "actRefresh");
    QHeaderView* titles = form->dbgPrincipal->horizontalHeader();
    emit titles->sectionClicked(1);
    EXPECT_EQ(column(*form->qryPrincipal, "Nome"), QStringList({"CENTRAL", "NORTE", "SUL"}));
    emit titles->sectionClicked(2);
    EXPECT_EQ(column(*form->qryPrincipal, "Ind_Status").first(), "ATIVO");
    EXPECT_EQ(form->qryPrincipal->text().count("order by"), 1);
    const QPalette palette = QApplication::palette();
    const QAbstractItemModel* model = form->dbgPrincipal->model();
    EXPECT_EQ(model->index(0, 2).data(Qt::BackgroundRole).value<QBrush>().color(),
              palette.color(QPalette::ToolTipBase));
    EXPECT_EQ(model->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), palette.color(QPalette::Base))
        << "the grey code column takes the window colour too";
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UnidadeTest, ImprimirOpensTheWorkUnitReport) {
    int opened = 0;
    registerOpener("actRelUnidadeTrabalho", [&opened] { ++opened; });
    TfrmUnidade* form = openUnidade();
    trigger(form, "actPrint");
    EXPECT_EQ(opened, 1);
}

TEST_F(UnidadeTest, PesquisarOpensANewSearchOnThisRegisterEachTime) {
    TfrmUnidade* form = openUnidade();
    trigger(form, "actPesquisar");
    QPointer<TfrmUnidadeConsultar> first = frmUnidadeConsultar;
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->unit(), form);
    EXPECT_EQ(first->windowTitle(), "Consultar");
    trigger(form, "actPesquisar");
    EXPECT_NE(frmUnidadeConsultar, first);
    EXPECT_FALSE(first.isNull()) << "the earlier dialog stays open";
}

TEST_F(UnidadeTest, SairClosesAndFreesTheRegisterInTheMainWindow) {
    auto* area = new QMdiArea;
    setWorkspace(area);
    area->show();
    QPointer<TfrmUnidade> form = openUnidade();
    ASSERT_EQ(area->subWindowList().size(), 1);
    trigger(form, "actSair");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(frmUnidade.isNull());
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

}  // namespace
