// SPDX-License-Identifier: GPL-3.0-or-later
// One sweep over the grids and lists of every form the menu opens and of the windows those lead to, each
// shown with the rows a clerk lists first: each opens on its first column; a column whose width the form's
// description gives has that width, any other is at least as wide as its title and as the texts of the rows
// its first screen shows, up to the grid's width.
#include "FormSweep.h"

#include "platform/ui/ColumnWidths.h"
#include "platform/ui/DataGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>

class GridSweep : public FormSweep {
protected:
    // What is wrong with the columns of `view`; `given` tells a column whose width its form sets.
    static QStringList faultsOf(QAbstractItemView* view, const QString& where,
                                const std::function<std::optional<int>(int column)>& given) {
        QStringList faults;
        const QHeaderView* header = ui::columnHeader(view);
        if (!view->model() || !header || header->isHidden())
            return faults;
        if (view->horizontalScrollBar()->value() != 0)
            faults << where + QStringLiteral(": opens scrolled past its first column");
        const int rows = view->model()->rowCount(view->rootIndex());
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c))
                continue;
            const QString title = view->model()->headerData(c, Qt::Horizontal).toString();
            const int width = header->sectionSize(c);
            if (const std::optional<int> set = given(c)) {
                if (width != *set)
                    faults
                        << where +
                               QStringLiteral(": \"%1\" is %2 wide, not the %3 given").arg(title).arg(width).arg(*set);
                continue;
            }
            if (width < header->sectionSizeHint(c))
                faults << where + QStringLiteral(": \"%1\" is %2 wide, its title %3")
                                      .arg(title)
                                      .arg(width)
                                      .arg(header->sectionSizeHint(c));
            for (int r = 0; r < rows && width < view->viewport()->width(); ++r) {
                const QModelIndex cell = view->model()->index(r, c, view->rootIndex());
                if (!view->visualRect(cell).intersects(view->viewport()->rect()) && r > 0)
                    break;  // past the first screen
                if (width < view->sizeHintForIndex(cell).width())
                    faults << where + QStringLiteral(": \"%1\" cuts \"%2\"").arg(title, cell.data().toString());
            }
        }
        return faults;
    }
};

TEST_F(GridSweep, EveryGridOpensOnItsFirstColumnWideEnoughForItsTitlesAndFirstScreen) {
    QStringList faults;
    visitEveryWindow([&](QWidget* window, const QString& name) {
        // The rows a clerk lists first: a register's Atualizar.
        for (QAction* refresh : window->findChildren<QAction*>(QStringLiteral("actRefresh")))
            if (refresh->isEnabled() && refresh->isVisible())
                refresh->trigger();
        QCoreApplication::processEvents();
        for (QTableView* grid : window->findChildren<QTableView*>()) {
            input::turnToPage(grid);
            const ui::DataGridModel* model = ui::gridModelOf(grid);
            faults << faultsOf(grid, name + QLatin1Char('/') + grid->objectName(), [model](int c) {
                return model && model->columns().value(c).fixed ? std::optional(model->columns()[c].width)
                                                                : std::nullopt;
            });
        }
        // The lists: a column a form sets narrow (a key's) keeps its width.
        for (QTreeView* list : window->findChildren<QTreeView*>()) {
            input::turnToPage(list);
            faults << faultsOf(list, name + QLatin1Char('/') + list->objectName(), [list](int c) {
                return list->objectName() == QLatin1String("lvwFormulario") && c == 0 ? std::optional(1) : std::nullopt;
            });
        }
    });
    EXPECT_EQ(faults.join(QLatin1Char('\n')).toStdString(), "");
}
