// SPDX-License-Identifier: GPL-3.0-or-later
// The animal transfer through the owner picker: refusals, the moves between the lists, every moved animal
// with its history row in one transaction (previous owner as the database holds it), and REL043.
#include "EventsFixture.h"
#include "UserInput.h"

#include "platform/ui/DateEdit.h"
#include "registry/events/UProprietarioPesquisa.h"
#include "registry/events/URelAnimaisTransferidos.h"
#include "registry/events/UTransferir_Animal.h"

#include "UserInput.h"

#include <QContextMenuEvent>
#include <QDateEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace common;
using namespace registry;

class TransferTest : public EventsTest {
protected:
    TfrmTransferir_Animal* openTransfer() {
        openerFor("actTransferir_Animal")();
        QCoreApplication::processEvents();
        return frmTransferir_Animal.data();
    }

    // The picker of a side, on the owner of that code.
    void pickOwner(TfrmTransferir_Animal* form, int side, int owner) {
        TfrmProprietarioPesquisa* picker = TfrmProprietarioPesquisa::open(form, side);
        picker->cbbSelecao->setCurrentText("Código");
        picker->edtTexto->setText(QString::number(owner));
        picker->search();
        picker->choose();
    }

    static QStringList captions(const QTreeWidget* list) {
        QStringList c;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            c << list->topLevelItem(i)->text(0);
        return c;
    }

    QString history() {
        QStringList rows;
        const db::RowSet r = db::run(db::kMain,
                                     R"(
                                         select Id_Histo_Muda_Proprietario, Id_Animal, Id_Anterior_Proprietario,
                                             Id_Proprietario
                                         from histo_muda_proprietario
                                         order by 1
                                     )",
                                     {});
        for (int i = 0; i < r.count(); ++i)
            rows << QString("%1:%2 %3>%4")
                        .arg(db::toText(r.row(i)[0]), db::toText(r.row(i)[1]), db::toText(r.row(i)[2]),
                             db::toText(r.row(i)[3]));
        return rows.join(", ");
    }
};

TEST_F(TransferTest, TheFirstListsPopUpMenuShowsItsAnimalsInEachViewAndTheyStillMove) {
    TfrmTransferir_Animal* form = openTransfer();
    pickOwner(form, 1, 1);
    pickOwner(form, 2, 2);
    // A right click on the list shows the menu; a click on an item sets the view.
    auto choose = [&](QAbstractItemView* list, const char* item) {
        // The right click, and the context menu event the window system sends with it.
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), list->viewport()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(list->viewport(), &event);
        QMenu* menu = form->ppmAnimal_Prop_atual;
        EXPECT_TRUE(menu->isVisible()) << item;
        QAction* action = menu->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        input::click(menu, menu->actionGeometry(action).center());
        EXPECT_FALSE(menu->isVisible());
    };
    QStringList captions;
    for (QAction* a : form->ppmAnimal_Prop_atual->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"Detalhe", "Lista", "Icone", "Lado a lado"}));
    QListView* list = form->lvwAnimal_Prop_atual;
    const struct {
        const char* item;
        QListView::ViewMode mode;
        QListView::Flow flow;
    } views[] = {{"Lista1", QListView::ListMode, QListView::TopToBottom},
                 {"Icone1", QListView::IconMode, QListView::LeftToRight},
                 {"Ladoalado1", QListView::ListMode, QListView::LeftToRight}};
    QAbstractItemView* shown = form->ltvAnimal_Prop_atual;
    for (const auto& v : views) {
        choose(shown, v.item);
        shown = list;
        EXPECT_TRUE(list->isVisible()) << v.item;
        EXPECT_FALSE(form->ltvAnimal_Prop_atual->isVisible()) << v.item;
        EXPECT_EQ(list->viewMode(), v.mode) << v.item;
        EXPECT_EQ(list->flow(), v.flow) << v.item;
        EXPECT_EQ(list->model()->rowCount(), 2) << v.item;
    }

    // An animal clicked in the icons moves with ">"; the details show what is left.
    input::click(list->viewport(), list->visualRect(list->model()->index(1, 0)).center());
    input::clickButton(form->findChild<QPushButton*>("btnMoveUm"));
    EXPECT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(TransferTest::captions(form->ltvAnimal_Prop_destino), QStringList({"12 - LOLA", "11 - TOTO"}));
    choose(list, "Detalhe1");
    EXPECT_TRUE(form->ltvAnimal_Prop_atual->isVisible());
    EXPECT_EQ(TransferTest::captions(form->ltvAnimal_Prop_atual), QStringList({"10 - REX"}));
}

TEST_F(TransferTest, RefusalsMovesAndOneTransactionWithThePreviousOwnerFromTheDatabase) {
    exec(
        R"(
            insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal,
                Id_Anterior_Proprietario, Id_Proprietario)
            values (1, 12, 0, 2)
        )");
    TfrmTransferir_Animal* form = openTransfer();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->parentWidget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QPushButton* transfer = form->bmpTransferir;
    transfer->click();
    EXPECT_EQ(prompts.last(), kFaltaPrimeiroProprietario);
    pickOwner(form, 1, 1);
    EXPECT_EQ(captions(form->ltvAnimal_Prop_atual), QStringList({"10 - REX", "11 - TOTO"}));
    transfer->click();
    EXPECT_EQ(prompts.last(), kFaltaSegundoProprietario);
    pickOwner(form, 2, 1);
    transfer->click();
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Warning);
    EXPECT_EQ(prompts.last(), kMesmosProprietarios);
    pickOwner(form, 2, 2);
    EXPECT_EQ(form->ediNome_destino->text(), "BIA");

    // ">" without a chosen animal; a move there and back changes nothing.
    form->ltvAnimal_Prop_atual->setCurrentItem(nullptr);
    form->moveSelected(true);
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.last(), kErroTransferir);
    form->ltvAnimal_Prop_atual->setCurrentItem(form->ltvAnimal_Prop_atual->topLevelItem(0));
    form->moveSelected(true);
    EXPECT_EQ(captions(form->ltvAnimal_Prop_destino), QStringList({"12 - LOLA", "10 - REX"}));
    form->ltvAnimal_Prop_destino->setCurrentItem(form->ltvAnimal_Prop_destino->topLevelItem(1));
    form->moveSelected(false);
    transfer->click();
    EXPECT_EQ(history(), "1:12 0>2");

    // ">>" takes the last first. A failure on the second animal leaves the first untouched too.
    form->moveAll(true);
    EXPECT_EQ(captions(form->ltvAnimal_Prop_destino),
              QStringList({"12 - LOLA", "10 - REX", "11 - TOTO"}));  // REX came back last
    EXPECT_TRUE(captions(form->ltvAnimal_Prop_atual).isEmpty());
    exec("create unique index ux_histo_test on histo_muda_proprietario (Dt_Muda_Proprietario)");
    transfer->click();
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
    EXPECT_EQ(count("histo_muda_proprietario"), 1);
    EXPECT_EQ(scalar("select count(*) from animal where id_proprietario = 1").toInt(), 2);
    EXPECT_FALSE(db::inTransaction());
    exec("drop index ux_histo_test");

    // The previous owner is the one the database holds, even when another workstation changed it meanwhile;
    // an animal deleted meanwhile is skipped.
    exec("update animal set id_proprietario = 3 where id_animal = 10");
    (new QTreeWidgetItem(form->ltvAnimal_Prop_destino, {"77 - SUMIU"}));
    input::clickAndType(form->dtpDataTransferencia, "06042024");
    transfer->click();
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Warning);
    EXPECT_EQ(history(), "1:12 0>2, 2:10 3>2, 3:11 1>2");
    EXPECT_EQ(
        storedDate("select Dt_Muda_Proprietario from histo_muda_proprietario where Id_Histo_Muda_Proprietario = 3"),
        QDate(2024, 4, 6));
    EXPECT_EQ(str("select Inserido_Por from histo_muda_proprietario where Id_Histo_Muda_Proprietario = 3"), "1");
    EXPECT_EQ(scalar("select count(*) from animal where id_proprietario = 2").toInt(), 3);
    // A second press finds every animal with its list's owner: it writes nothing, in the same warning box.
    prompts.clear();
    input::clickButton(transfer);
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Warning);
    EXPECT_EQ(count("histo_muda_proprietario"), 3);
    EXPECT_EQ(scalar("select count(*) from animal where id_proprietario = 2").toInt(), 3);
}

TEST_F(TransferTest, RightsHideTransferAndTheReportGroupsTheHistoryByAnimal) {
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, 20, 'S', 'S', 'N', 'S', 'S')
        )");
    EXPECT_TRUE(openTransfer()->bmpTransferir->isHidden());

    EXPECT_EQ(TfrmRelAnimaisTransferidos().layout().pageCount(), 0);  // not even the title
    exec(
        R"(
            insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal,
                Id_Anterior_Proprietario, Id_Proprietario, Dt_Muda_Proprietario)
            values (1, 10, 0, 2, null), (2, 11, 0, 1, null), (3, 10, 2, 1, :d)
        )",
        {{"d", QDateTime(QDate(2024, 3, 5), QTime(0, 0))}});
    openerFor("actRelAnimaisTransferedos")();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_FALSE(prompts.previews[0].modal);
    const report::Report& rel = *prompts.previews[0].report;
    EXPECT_NEAR(rel.pageSizeMm().width(), 215.9, 0.01);
    const QStringList lines = printedLines(rel);
    const QString text = printedText(rel);
    EXPECT_EQ(text.count("Nome do Animal :"), 2);
    EXPECT_EQ(text.count("REL043"), 1);
    const int rex = int(lines.indexOf("Nome do Animal : REX Sexo : M Data Nasc. : 01/02/2020"));
    ASSERT_GE(rex, 0) << text.toStdString();
    // The current owner, above every line of the animal.
    EXPECT_EQ(lines.value(rex + 2), "Proprietário : ANA CPF : 52998224725 Celular :");
    EXPECT_EQ(lines.value(rex + 3), "Telefone : R DAS FLORES 51 - CENTRO - 12345678");
    const int first = int(lines.indexOf("- Transferido de para BIA"));
    EXPECT_GT(first, rex);
    EXPECT_EQ(lines.value(first + 1), "05/03/2024 - Transferido de BIA para ANA");
    EXPECT_EQ(lines.value(first + 2), "Nome do Animal : TOTO Sexo : F Data Nasc. :");
}

// An animal's caption, code and name, shows whole in its list when the list has room for it.
TEST_F(TransferTest, TheListsShowTheAnimalsCaptionsWhole) {
    exec("update animal set Id_Animal = 20001, Nome = 'ANIMAL DE NOME BEM COMPRIDO' where Id_Animal = 10");
    TfrmTransferir_Animal* form = openTransfer();
    pickOwner(form, 1, 1);
    QTreeWidget* list = form->ltvAnimal_Prop_atual;
    input::turnToPage(list);
    const int row = int(captions(list).indexOf("20001 - ANIMAL DE NOME BEM COMPRIDO"));
    ASSERT_GE(row, 0);
    EXPECT_GE(list->columnWidth(0), list->sizeHintForIndex(list->model()->index(row, 0)).width());
    EXPECT_LE(list->columnWidth(0), list->viewport()->width());
}
