// SPDX-License-Identifier: GPL-3.0-or-later
// Grids written row by row: each control in the cell that follows the last one placed, rows below whatever the grid
// holds already, captions in the grid's widget.

#include "platform/ui/GridRows.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Cell {
    int row, column, rows, columns;
    Qt::Alignment align;
    bool operator==(const Cell&) const = default;
};

void PrintTo(const Cell& c, std::ostream* out) {
    *out << "(" << c.row << "," << c.column << " " << c.rows << "x" << c.columns << " align " << int(c.align) << ")";
}

Cell cellOf(QGridLayout* grid, QLayoutItem* item) {
    Cell cell{};
    grid->getItemPosition(grid->indexOf(item), &cell.row, &cell.column, &cell.rows, &cell.columns);
    cell.align = item->alignment();
    return cell;
}

Cell cellOf(QGridLayout* grid, QWidget* widget) { return cellOf(grid, grid->itemAt(grid->indexOf(widget))); }

// The cell of the caption that reads `text`.
Cell captionCell(QGridLayout* grid, const QString& text) {
    for (auto* label : grid->parentWidget()->findChildren<QLabel*>())
        if (label->text() == text)
            return cellOf(grid, label);
    ADD_FAILURE() << "no caption " << text.toStdString();
    return {};
}

}  // namespace

TEST(GridRowsTest, EachCellFollowsTheLastOnePlaced) {
    QWidget page;
    QList<QWidget*> edits;
    for (int i = 0; i < 7; ++i)
        edits << new QLineEdit(&page);
    auto* buttons = new QHBoxLayout;
    ui::GridRows rows(new QGridLayout(&page));
    rows.row().labelled(QStringLiteral("Código:"), edits[0]).labelled(QStringLiteral("Unidade:"), edits[1], 3);
    rows.row().labelled(QStringLiteral("Nome:"), edits[2], 5);
    rows.row().skip().add(edits[3], 1, Qt::AlignLeft).add(edits[4]);
    rows.row().label(QStringLiteral("Descrição:"), 1, Qt::AlignTop).add(edits[5]).stretch();
    rows.row().add(buttons, 2).add(edits[6]);
    rows.row().stretch(2);

    QGridLayout* grid = rows.grid();
    const struct {
        QWidget* control;
        Cell cell;
    } cases[] = {
        {edits[0], {0, 1, 1, 1, {}}}, {edits[1], {0, 3, 1, 3, {}}},
        {edits[2], {1, 1, 1, 5, {}}}, {edits[3], {2, 1, 1, 1, Qt::AlignLeft}},
        {edits[4], {2, 2, 1, 1, {}}}, {edits[5], {3, 1, 1, 1, {}}},
        {edits[6], {4, 2, 1, 1, {}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellOf(grid, c.control), c.cell) << grid->indexOf(c.control);
    EXPECT_EQ(captionCell(grid, QStringLiteral("Código:")), (Cell{0, 0, 1, 1, {}}));
    EXPECT_EQ(captionCell(grid, QStringLiteral("Unidade:")), (Cell{0, 2, 1, 1, {}}));
    EXPECT_EQ(captionCell(grid, QStringLiteral("Nome:")), (Cell{1, 0, 1, 1, {}}));
    EXPECT_EQ(captionCell(grid, QStringLiteral("Descrição:")), (Cell{3, 0, 1, 1, Qt::AlignTop}));
    EXPECT_EQ(cellOf(grid, static_cast<QLayoutItem*>(buttons)), (Cell{4, 0, 1, 2, {}}));
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->columnCount(), 6);
    const QList<int> stretches{grid->rowStretch(0), grid->rowStretch(1), grid->rowStretch(2),
                               grid->rowStretch(3), grid->rowStretch(4), grid->rowStretch(5)};
    EXPECT_EQ(stretches, (QList<int>{0, 0, 0, 1, 0, 2}));
}

// A register's own rows below the shared ones, a second builder over the same grid, and rows below captions over
// their controls.
TEST(GridRowsTest, RowsGoOnBelowWhatTheGridHolds) {
    QWidget page;
    auto* grid = new QGridLayout(&page);
    auto* first = new QLineEdit(&page);
    auto* second = new QLineEdit(&page);
    auto* third = new QLineEdit(&page);
    auto* fourth = new QLineEdit(&page);
    ui::GridRows shared(grid);
    shared.row().over(QStringLiteral("Nome:"), first).over(QStringLiteral("CPF:"), second);
    EXPECT_EQ(cellOf(grid, first), (Cell{1, 0, 1, 1, {}}));
    EXPECT_EQ(cellOf(grid, second), (Cell{1, 1, 1, 1, {}}));
    EXPECT_EQ(captionCell(grid, QStringLiteral("CPF:")), (Cell{0, 1, 1, 1, {}}));

    shared.row().over(QStringLiteral("RG:"), third);
    EXPECT_EQ(cellOf(grid, third), (Cell{3, 0, 1, 1, {}}));

    ui::GridRows own(grid);
    own.add(fourth);  // placed before any row(): the first row below the grid's
    EXPECT_EQ(cellOf(grid, fourth), (Cell{4, 0, 1, 1, {}}));
    own.row().stretch();
    EXPECT_EQ(grid->rowStretch(5), 1);

    for (auto* label : page.findChildren<QLabel*>())
        EXPECT_EQ(label->parentWidget(), &page);
    EXPECT_EQ(page.findChildren<QLabel*>().size(), 3);
}
