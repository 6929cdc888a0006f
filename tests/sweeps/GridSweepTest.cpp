// SPDX-License-Identifier: GPL-3.0-or-later
// One sweep over the grids of every form the menu opens and of the windows those lead to: each grid opens
// on its first column, and each column is at least as wide as its title. (The lists of list views keep the
// widths their forms give, a key column narrow or hidden.)
#include "FormSweep.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

class GridSweep : public FormSweep {};

TEST_F(GridSweep, EveryGridOpensOnItsFirstColumnWideEnoughForItsTitles) {
    QStringList faults;
    visitEveryWindow([&](QWidget* window, const QString& name) {
        for (QTableView* grid : window->findChildren<QTableView*>()) {
            const QHeaderView* header = grid->horizontalHeader();
            if (!grid->model() || header->isHidden())
                continue;
            const QString where = name + QLatin1Char('/') + grid->objectName();
            if (grid->horizontalScrollBar()->value() != 0)
                faults << where + QStringLiteral(": opens scrolled past its first column");
            for (int c = 0; c < header->count(); ++c) {
                if (!header->isSectionHidden(c) && header->sectionSize(c) < header->sectionSizeHint(c))
                    faults << where + QStringLiteral(": \"%1\" is %2 wide, its title %3")
                                          .arg(grid->model()->headerData(c, Qt::Horizontal).toString())
                                          .arg(header->sectionSize(c))
                                          .arg(header->sectionSizeHint(c));
            }
        }
    });
    EXPECT_EQ(faults.join(QLatin1Char('\n')).toStdString(), "");
}
