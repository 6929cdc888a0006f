// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model over a data set: columns from code, and the grid's row and the data set's cursor kept
// together both ways.

#include "TestDatabase.h"
#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace {

class DataGridTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        exec(
            R"(
                insert into especie (Id_Especie, Nome, Ind_Status)
                values (1, 'CANINA', 'ATIVO'), (2, 'FELINA', 'INATIVO'), (3, 'AVE', 'ATIVO')
            )");
        data = std::make_unique<db::DataSet>();
        data->setSql("select * from especie order by Id_Especie");
        data->setTable({.name = "especie", .key = {"Id_Especie"}, .columns = {"Nome"}, .audit = db::Audit::None});
        data->open();
        view = std::make_unique<QTableView>();
        model = ui::bindGrid(view.get(), data.get(),
                             {{"Código", "Id_Especie", 60, Qt::lightGray, true},
                              {"Nome", "Nome", 200},
                              ui::GridColumn::calculated("Situação", 90, [](const db::DataSet& d, int row) {
                                  return d.cell(row, "Ind_Status").toString() == "ATIVO" ? "sim" : "não";
                              })});
    }
    void TearDown() override {
        view.reset();
        data.reset();
        DbTest::TearDown();
    }

    QString text(int row, int column) const { return model->index(row, column).data().toString(); }
    int selectedRow() const { return view->selectionModel()->currentIndex().row(); }

    std::unique_ptr<db::DataSet> data;
    std::unique_ptr<QTableView> view;
    ui::DataGridModel* model = nullptr;
};

TEST_F(DataGridTest, ShowsTheColumnsGivenInCode) {
    ASSERT_EQ(model->rowCount(), 3);
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Situação");
    EXPECT_EQ(text(1, 0), "2");
    EXPECT_EQ(text(1, 1), "FELINA");
    EXPECT_EQ(text(1, 2), "não");
    EXPECT_EQ(text(2, 2), "sim");
    EXPECT_EQ(view->columnWidth(1), 200);
    EXPECT_EQ(model->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::lightGray));
    EXPECT_TRUE(model->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model->index(0, 1).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
}

TEST_F(DataGridTest, GridRowAndCursorFollowEachOther) {
    EXPECT_EQ(selectedRow(), 0);
    data->last();
    EXPECT_EQ(selectedRow(), 2);
    view->selectionModel()->setCurrentIndex(model->index(1, 1),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(data->recNo(), 1);
    EXPECT_EQ(data->str("Nome"), "FELINA");

    data->setSql("select * from especie where Id_Especie > 1 order by Id_Especie");
    data->open();  // a reopened set: new rows, the cursor on the first
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(text(0, 1), "FELINA");
    EXPECT_EQ(selectedRow(), 0);

    data->close();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_FALSE(view->selectionModel()->currentIndex().isValid());
}

TEST_F(DataGridTest, StaysOnTheRowBeingEditedAndShowsWhatIsTyped) {
    data->moveTo(1);
    data->edit();
    view->selectionModel()->setCurrentIndex(model->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(data->recNo(), 1) << "a click elsewhere neither moves nor posts a pending edit";
    EXPECT_TRUE(data->isEditing());
    EXPECT_EQ(selectedRow(), 1);

    data->setField("Nome", "GATO");
    EXPECT_EQ(text(1, 1), "GATO");
    data->cancel();
    EXPECT_EQ(text(1, 1), "FELINA");

    data->append();
    EXPECT_EQ(model->rowCount(), 4);
    EXPECT_EQ(selectedRow(), 3);
    data->cancel();
    EXPECT_EQ(model->rowCount(), 3);
}

TEST_F(DataGridTest, MarkingTheSortColumnRecoloursEveryColumn) {
    model->markSortColumn(1);
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(model->sortColumn(), 1);
    EXPECT_EQ(model->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), palette.color(QPalette::Base));
    EXPECT_EQ(model->index(2, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
              palette.color(QPalette::ToolTipBase));
    EXPECT_EQ(model->index(0, 2).data(Qt::BackgroundRole).value<QBrush>().color(), palette.color(QPalette::Base));
    EXPECT_EQ(ui::gridModelOf(view.get()), model);
}

}  // namespace

namespace {

// A grid over 60 species shown at 400 by 200 pixels: a column that is not fixed fits its title and the rows
// of its first screen (not those below it), within the grid's width, and widens when the rows are read again.
class DataGridWidthsTest : public DbTest {};

TEST_F(DataGridWidthsTest, ColumnsFitTheFirstScreenWithinTheGridAndFixedOnesStandAsGiven) {
    db::Transaction rows;
    for (int i = 1; i <= 60; ++i)
        exec("insert into especie (Id_Especie, Nome, Descricao, Ind_Status) values (:i, :n, :d, 'ATIVO')",
             {{"i", i},
              {"n", i == 2    ? "CÃO DE PORTE GRANDE"
                    : i == 50 ? QString(60, 'W')
                              : "GATO"},
              {"d", i == 3 ? QString(80, 'M') : "X"}});
    rows.commit();
    db::DataSet data;
    data.setSql("select * from especie order by Id_Especie");
    data.open();
    QTableView view;
    view.resize(400, 200);
    ui::bindGrid(&view, &data,
                 {ui::GridColumn::fixedAt("Código da espécie", "Id_Especie", 50),
                  {"Nome", "Nome", 30},
                  {"Descrição", "Descricao", 30},
                  {"Situação do registro", "Ind_Status", 30}});
    view.show();
    QCoreApplication::processEvents();
    const QFontMetrics metrics = view.fontMetrics();
    EXPECT_EQ(view.columnWidth(0), 50) << "fixed: as given, though its title is wider";
    EXPECT_GT(view.columnWidth(1), metrics.horizontalAdvance("CÃO DE PORTE GRANDE"));
    EXPECT_LT(view.columnWidth(1), metrics.horizontalAdvance(QString(60, 'W'))) << "row 50 is below the first screen";
    EXPECT_EQ(view.columnWidth(2), view.viewport()->width()) << "no wider than the grid";
    EXPECT_GE(view.columnWidth(3), view.horizontalHeader()->sectionSizeHint(3)) << "the title";
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);

    // Read again with the long name first: the column widens; a user's wider column is not narrowed.
    view.setColumnWidth(3, 300);
    data.setSql("select * from especie order by Nome desc");
    data.open();
    QCoreApplication::processEvents();
    EXPECT_GT(view.columnWidth(1), metrics.horizontalAdvance("WWWWWWWWWWWWWWWWWWWW"));
    EXPECT_EQ(view.columnWidth(3), 300);
}

}  // namespace
