// SPDX-License-Identifier: GPL-3.0-or-later
// The register-form base, on a small register of species: its tool bar, the actions following the main
// data set, the save and delete sequences with their hooks, and sorting by a grid title.

#include "TestDatabase.h"
#include "common/access/Session.h"
#include "common/register/RegisterForm.h"
#include "common/register/RegisterSql.h"
#include "platform/ui/FieldLink.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include <libpq-fe.h>
#include <sys/socket.h>

using namespace common;

namespace {

class SpeciesRegister : public RegisterForm {
public:
    SpeciesRegister() {
        setTable({.name = "especie",
                  .key = {"Id_Especie"},
                  .newKey = db::NewKey::Client,
                  .columns = {"Nome", "Ind_Status"}});
        setNewRowDefaults({{"Ind_Status", "ATIVO"}});
        setReferenceChecks({{"animal", "id_especie"}, {"raca", "id_especie"}}, "Existe animal desta especie.");
        setDeleteTexts("Excluir a especie %1?", "");
        setGridColumns({{"Código", "Id_Especie"},
                        {"Nome", "Nome"},
                        ui::GridColumn::calculated("Raças", 60, [](const db::DataSet&, int) { return QString("-"); })});
        dbeNome = new QLineEdit(tbsPrincipal);
        dbeNome->setObjectName("dbeNome");
        ui::bindLineEdit(dbeNome, qryPrincipal, "Nome");
    }

    QLineEdit* dbeNome;
    QStringList calls;
    bool inTransactionAtNewKey = false;
    bool inTransactionBeforePost = false;
    bool inTransactionAfterCommit = true;
    bool failDelete = false;
    std::function<void()> duringSave;

protected:
    bool validate() override {
        calls << "validate";
        if (qryPrincipal->str("Nome").trimmed().isEmpty())
            return refuse("Falta preencher o nome!");
        return true;
    }
    void newRecord(db::DataSet& data) override { calls << "newRecord:" + data.str("Ind_Status"); }
    QVariant newKey() override {
        calls << "newKey";
        inTransactionAtNewKey = db::inTransaction();
        return RegisterForm::newKey();
    }
    void beforePost(bool inserting) override {
        calls << (inserting ? "beforePost:insert" : "beforePost:edit");
        inTransactionBeforePost = db::inTransaction();
        if (duringSave)
            duringSave();
    }
    void afterCommit(bool) override {
        calls << "afterCommit";
        inTransactionAfterCommit = db::inTransaction();
    }
    void deleteRow(const QVariant& key) override {
        RegisterForm::deleteRow(key);
        if (failDelete) {
            qryAuxiliar.clear();
            qryAuxiliar << "delete from no_such_table";
            qryAuxiliar.exec();
        }
    }
    void print() override { calls << "print"; }
    void search() override { calls << "search"; }
};

class RegisterFormTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        form = new SpeciesRegister;
        form->show();
    }
    void TearDown() override {
        delete form.data();
        DbTest::TearDown();
    }

    QAction* act(const char* name) { return form->findChild<QAction*>(name); }
    QStringList enabledActions() {
        QStringList out;
        for (const char* name : {"actAppend", "actEdit", "actDelete", "actRefresh", "actPost", "actCancel", "actFirst",
                                 "actPrior", "actNext", "actLast"})
            if (act(name)->isEnabled())
                out << name;
        return out;
    }

    QPointer<SpeciesRegister> form;
};

// Runs `work` on a session of another workstation.
void asAnotherWorkstation(const std::function<void(QSqlDatabase&)>& work) {
    {
        QSqlDatabase other = testingPostgres() ? db::addPostgres(testSettings(), "outra")
                                               : QSqlDatabase::addDatabase("QSQLITE", "outra");
        if (!testingPostgres())
            other.setDatabaseName(db::sqliteFile(db::settings(), db::kMain));
        ASSERT_TRUE(other.open());
        work(other);
    }
    QSqlDatabase::removeDatabase("outra");
}

TEST(WithOrderBy, ReplacesTheOrderClauseOrAppendsOne) {
    EXPECT_EQ(registersql::withOrderBy("select * from t ", "Nome"), "select * from t order by Nome");
    EXPECT_EQ(registersql::withOrderBy("select * from t", "Nome"), "select * from t order by Nome");
    EXPECT_EQ(registersql::withOrderBy("select * from t\n where a = :a ORDER BY b desc", "c"),
              "select * from t\n where a = :a order by c");
    EXPECT_EQ(registersql::withOrderBy(registersql::withOrderBy("select * from t", "a"), "b"),
              "select * from t order by b");
    EXPECT_EQ(registersql::withOrderBy("select bordero from t", "x"), "select bordero from t order by x")
        << "only the word order";
}

TEST_F(RegisterFormTest, ToolBarCarriesEveryActionWithItsCaptionAndKeyShownInItsHint) {
    struct Expected {
        const char* name;
        QString caption;
        QKeySequence key;
    };
    const QList<Expected> expected{
        {"actAppend", "Novo", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {"actEdit", "Alterar", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"actDelete", "Excluir", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {"actRefresh", "Atualizar", QKeySequence(Qt::CTRL | Qt::Key_F5)},
        {"actPost", "Gravar", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Return)},
        {"actCancel", "Cancelar", QKeySequence(Qt::CTRL | Qt::Key_Backspace)},
        {"actFirst", "Primeiro", QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {"actPrior", "Anterior", QKeySequence(Qt::CTRL | Qt::Key_Left)},
        {"actNext", "Próximo", QKeySequence(Qt::CTRL | Qt::Key_Right)},
        {"actLast", "Último", QKeySequence(Qt::CTRL | Qt::Key_End)},
        {"actPrint", "Imprimir...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},  // Ctrl+P is the search's
        {"actPesquisar", "Pesquisar", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"actSair", "Sair", QKeySequence(Qt::CTRL | Qt::Key_S)},
    };
    const QList<QAction*> onBar = form->tlbPrincipal->actions();
    QStringList order;
    for (QAction* a : onBar)
        if (!a->isSeparator())
            order << a->objectName();
    QStringList names;
    for (const Expected& e : expected) {
        names << e.name;
        QAction* a = act(e.name);
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->text(), e.caption);
        EXPECT_EQ(a->toolTip(), e.caption + " (" + e.key.toString(QKeySequence::NativeText) + ")")
            << "the hint is the caption with its key";
        EXPECT_EQ(a->shortcut(), e.key) << e.name;
    }
    EXPECT_EQ(order, names);
    EXPECT_EQ(act("actInformation")->text(), "Informações...");
    EXPECT_EQ(act("actAjuda")->shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_EQ(form->pgcPrincipal->tabText(0), "Principal");
    EXPECT_EQ(form->pgcPrincipal->tabText(1), "Geral");
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(RegisterFormTest, ActionsFollowTheStateAndCursorOfTheMainDataSet) {
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse) << "opened empty on show";
    EXPECT_EQ(enabledActions(), QStringList({"actAppend", "actRefresh"}));

    exec("insert into especie (Id_Especie, Nome) values (1, 'A'), (2, 'B'), (3, 'C')");
    act("actRefresh")->trigger();
    EXPECT_EQ(form->qryPrincipal->recordCount(), 3);
    EXPECT_EQ(enabledActions(), QStringList({"actAppend", "actEdit", "actDelete", "actRefresh", "actNext", "actLast"}));
    act("actNext")->trigger();
    EXPECT_EQ(enabledActions().size(), 8);
    act("actLast")->trigger();
    EXPECT_EQ(form->qryPrincipal->str("Nome"), "C");
    EXPECT_EQ(enabledActions(),
              QStringList({"actAppend", "actEdit", "actDelete", "actRefresh", "actFirst", "actPrior"}));

    act("actEdit")->trigger();
    EXPECT_EQ(enabledActions(), QStringList({"actPost", "actCancel"}));
    act("actCancel")->trigger();
    act("actAppend")->trigger();
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1) << "a new row starts on an empty select";
    EXPECT_EQ(enabledActions(), QStringList({"actPost", "actCancel"}));
    EXPECT_EQ(form->calls, QStringList({"newRecord:ATIVO"})) << "the hook runs after the defaults";

    act("actPrint")->trigger();
    act("actPesquisar")->trigger();
    EXPECT_EQ(form->calls.mid(1), QStringList({"print"})) << "no search while a row is being typed";
}

TEST_F(RegisterFormTest, RegisterKeysWinOverTheFocusedControl) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'A')");
    form->refresh();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->dbeNome->setFocus();
    QTest::keyClick(form->dbeNome, Qt::Key_A, Qt::ControlModifier);  // a line edit would select all
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit);
    QTest::keyClick(form->dbeNome, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);
    QTest::keyClick(form->dbeNome, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(form->calls, QStringList({"search"})) << "Ctrl+P searches and does not print";
}

TEST_F(RegisterFormTest, SaveRunsItsStepsInOrderInsideOneTransaction) {
    form->append();
    form->save();
    EXPECT_EQ(prompts.last(), "Falta preencher o nome!");
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(count("especie"), 0);

    exec("insert into especie (Id_Especie, Nome) values (7, 'X')");
    prompts.clear();
    form->calls.clear();
    QTest::keyClicks(form->dbeNome, "AVE");
    form->save();
    EXPECT_EQ(form->calls, QStringList({"validate", "newKey", "beforePost:insert", "afterCommit"}));
    EXPECT_TRUE(form->inTransactionAtNewKey) << "another workstation's key is seen by the saving transaction";
    EXPECT_TRUE(form->inTransactionBeforePost);
    EXPECT_FALSE(form->inTransactionAfterCommit);
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(db::toInt(scalar("select Id_Especie from especie where Nome = 'AVE'")), 8);
    EXPECT_EQ(db::toInt(scalar("select Inserido_Por from especie where Nome = 'AVE'")), 1);

    form->save();  // browsing: nothing happens
    EXPECT_EQ(prompts.asked.size(), 1);

    form->calls.clear();
    form->edit();
    form->save();
    EXPECT_EQ(form->calls, QStringList({"validate", "beforePost:edit", "afterCommit"})) << "an edit keeps its key";
}

TEST_F(RegisterFormTest, KeyMadeByTheServerIsReadBack) {
    class Users : public RegisterForm {
    public:
        Users() {
            setTable({.name = "usuario",
                      .key = {"Id_Usuario"},
                      .newKey = db::NewKey::Server,
                      .columns = {"Nome"},
                      .audit = db::Audit::Inserted});
        }
    } users;
    users.show();
    exec("insert into usuario (Nome) values ('PRIMEIRO')");
    users.append();
    users.qryPrincipal->setField("Nome", "SEGUNDO");
    users.save();
    const int key = db::toInt(scalar("select Id_Usuario from usuario where Nome = 'SEGUNDO'"));
    EXPECT_GT(key, 1);
    EXPECT_EQ(db::toInt(users.qryPrincipal->field("Id_Usuario")), key);
}

// SQLite: another workstation's long read holds the lock the commit needs. PostgreSQL's readers never
// block a commit; there a deferred unique name refuses it.
TEST_F(RegisterFormTest, ACommitTheServerRefusesIsAFailedSaveAndARetrySavesOnce) {
    db::Settings quick = db::settings();
    quick.busyTimeoutMs = 50;
    db::connectAll(quick);
    if (testingPostgres()) {
        exec("alter table especie add constraint especie_nome unique (Nome) deferrable initially deferred");
        exec("insert into especie (Id_Especie, Nome) values (99, 'AVE')");
    }
    form->append();
    QTest::keyClicks(form->dbeNome, "AVE");
    asAnotherWorkstation([this](QSqlDatabase& other) {
        other.transaction();
        QSqlQuery(other).exec("select count(*) from especie");
        act("actPost")->trigger();
        other.commit();
    });
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(form->dbeNome->text(), "AVE");
    EXPECT_TRUE(form->qryPrincipal->field("Id_Especie").isNull()) << "no key kept from the failed save";
    if (testingPostgres())
        exec("delete from especie; alter table especie drop constraint especie_nome");
    EXPECT_EQ(count("especie"), 0);

    prompts.clear();
    act("actPost")->trigger();
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(count("especie where Nome = 'AVE' and Id_Especie = 1"), 1);
}

// Two workstations on one row: the second edit would overwrite the first, and a delete finds the row gone.
// Both are refused in the standard error box, the typed values kept.
TEST_F(RegisterFormTest, AnotherWorkstationsChangeOrDeleteIsNeverOverwritten) {
    class Refusing : public SpeciesRegister {
    public:
        Refusing() { setDeleteTexts("Excluir?", "Em uso."); }
    } other;
    other.show();
    exec("insert into especie (Id_Especie, Nome) values (1, 'A'), (2, 'B')");
    other.refresh();
    for (const char* name : {"PRIMEIRA", "DE NOVO"}) {  // its own change does not stop the next
        form->openKey(1);
        form->edit();
        form->qryPrincipal->setField("Nome", name);
        act("actPost")->trigger();
    }
    other.edit();
    other.qryPrincipal->setField("Nome", "SEGUNDA");
    other.findChild<QAction*>("actPost")->trigger();
    EXPECT_EQ(other.qryPrincipal->state(), db::DataSet::State::Edit);
    EXPECT_EQ(other.dbeNome->text(), "SEGUNDA");
    EXPECT_EQ(db::toText(scalar("select Nome from especie where Id_Especie = 1")), "DE NOVO");

    other.cancel();
    other.qryPrincipal->last();
    exec("delete from especie where Id_Especie = 2");
    prompts.confirmations = {true};
    other.findChild<QAction*>("actDelete")->trigger();
    EXPECT_EQ(prompts.texts().mid(2), QStringList({db::kRegistroAlterado, "Excluir?", db::kRegistroAlterado}));
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
}

// The server ends the session in the middle of a save, by an administrator's command or by dying (a crash: the
// socket closes without a word, and libpq says "server closed the connection unexpectedly"): the system's own
// sentence only, the typed values kept, no transaction left open, and the next actions work on new sessions.
TEST_F(RegisterFormTest, LostServerConnectionIsReportedAndReopenedOnTheNextAction) {
    if (!testingPostgres())
        GTEST_SKIP() << "an embedded database has no server to lose";
    const QList<std::function<void()>> endings{
        [] {
            asAnotherWorkstation([](QSqlDatabase& admin) {
                QSqlQuery(admin).exec(
                    R"(
                        select pg_terminate_backend(pid, 5000)
                        from pg_stat_activity
                        where datname = current_database()
                          and pid <> pg_backend_pid()
                    )");
            });
        },
        [] {
            const QVariant handle = db::connection().driver()->handle();
            ::shutdown(PQsocket(*static_cast<PGconn* const*>(handle.constData())), SHUT_RDWR);
        },
    };
    for (int i = 0; i < endings.size(); ++i) {
        prompts.clear();
        form->append();
        QTest::keyClicks(form->dbeNome, i == 0 ? "AVE" : "PEIXE");
        form->duringSave = endings[i];
        act("actPost")->trigger();
        EXPECT_EQ(prompts.texts(), QStringList({db::kConexaoPerdida})) << i;
        EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert) << i;
        EXPECT_EQ(form->dbeNome->text(), i == 0 ? "AVE" : "PEIXE") << i;
        EXPECT_FALSE(db::inTransaction()) << i;

        form->duringSave = nullptr;
        act("actPost")->trigger();
        act("actRefresh")->trigger();
        EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!") << i;
        EXPECT_EQ(form->qryPrincipal->recordCount(), i + 1) << i;
        EXPECT_NO_THROW(db::run(db::kPadrao, "select count(*) from logradouro", {}))
            << "the read-only ones come back too";
    }
}

TEST_F(RegisterFormTest, DeleteChecksReferencesAsksAndRunsInATransaction) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'A'), (2, 'B')");
    exec("insert into raca (Id_Raca, Id_Especie) values (1, 1)");
    form->refresh();
    form->remove();
    EXPECT_EQ(prompts.texts(), QStringList({"Existe animal desta especie."})) << "refused before any question";

    prompts.clear();
    form->qryPrincipal->next();
    prompts.confirmations = {true};
    form->failDelete = true;  // the server refuses a later statement of the delete
    EXPECT_THROW(form->remove(), db::Error) << "without a message of its own the database's refusal reaches the user";
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(count("especie"), 2) << "the delete was rolled back";
    EXPECT_EQ(prompts.asked.first().text, "Excluir a especie 2?");

    form->failDelete = false;
    prompts.clear();
    prompts.confirmations = {true};
    form->remove();
    EXPECT_EQ(count("especie"), 1);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1) << "reloaded with every row";
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
}

TEST_F(RegisterFormTest, EmptyRegisterCanSayNoRecordBeforeAskingAnything) {
    class Groups : public SpeciesRegister {
    public:
        Groups() { setEmptyCheck(EmptyCheck::BeforeReferences); }
    } groups;
    groups.show();
    groups.remove();
    EXPECT_EQ(prompts.texts(), QStringList({"Não há registro!"}));

    prompts.clear();
    prompts.confirmations = {true};
    form->remove();  // the default order asks first
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Confirmation);
    EXPECT_EQ(prompts.asked[1].text, "Não há registro!");
}

TEST_F(RegisterFormTest, SortingByAGridTitleKeepsTheSelectAndItsParameters) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'C'), (2, 'A'), (3, 'B')");
    form->openKey(2);
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1) << "still the row of the key";
    EXPECT_EQ(form->qryPrincipal->text().count("order by"), 1);

    form->refresh();
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(1);
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(form->qryPrincipal->text().count("order by"), 1);
    QStringList names;
    for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
        names << form->qryPrincipal->cell(r, "Nome").toString();
    EXPECT_EQ(names, QStringList({"A", "B", "C"}));
    EXPECT_EQ(form->gridModel->sortColumn(), 1);
    EXPECT_TRUE(prompts.asked.isEmpty());

    const QString before = form->qryPrincipal->text();
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(2);  // a calculated column has no field
    EXPECT_EQ(prompts.last(), "Não foi possível ordenar por este campo.");
    EXPECT_EQ(form->qryPrincipal->text(), before);
    EXPECT_EQ(form->gridModel->sortColumn(), 1);
}

TEST_F(RegisterFormTest, SairFreesTheForm) {
    form->findChild<QAction*>("actSair")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

}  // namespace

namespace {

TEST_F(RegisterFormTest, RowBeingTypedSurvivesSortsSearchesAndCloseUntilSimDiscardsIt) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'A'), (2, 'B')");
    form->refresh();
    act("actAppend")->trigger();
    QTest::keyClicks(form->dbeNome, "NOVA");
    const auto pending = [this] {
        return !form.isNull() && form->qryPrincipal->state() == db::DataSet::State::Insert &&
               form->qryPrincipal->str("Nome") == "NOVA";
    };
    emit form->dbgPrincipal->horizontalHeader()->sectionClicked(1);
    EXPECT_TRUE(pending()) << "a click on a grid title";
    EXPECT_FALSE(act("actPesquisar")->isEnabled());
    form->openKey(1);  // what a search dialog does with the row chosen
    EXPECT_TRUE(pending()) << "a search dialog choosing a row";

    // Sair and its key, answered Não: the form stays as it was.
    prompts.confirmations = {false, false};
    act("actSair")->trigger();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form->dbeNome, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(pending());
    EXPECT_EQ(prompts.texts(), QStringList(2, kAlteracoesNaoGravadas));
    EXPECT_TRUE(prompts.confirmations.isEmpty());

    prompts.confirmations = {true};
    QTest::keyClick(form->dbeNome, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(count("especie"), 2) << "Sim discards the row";
}

}  // namespace
