// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A grid layout written in the order it reads: row() starts the row below the ones placed, and each control
// goes to the column after the last one placed in that row, so that a row added is one line added.

#include <Qt>

class QGridLayout;
class QLayout;
class QString;
class QWidget;

namespace ui {

class GridRows {
public:
    // Rows of `grid`; the first row() starts below whatever the grid holds already.
    explicit GridRows(QGridLayout* grid);

    // Starts the next row at its first column, below every cell placed so far.
    GridRows& row();
    // `control` over `span` columns; an `align` such as Qt::AlignLeft keeps it at its own width.
    GridRows& add(QWidget* control, int span = 1, Qt::Alignment align = {});
    GridRows& add(QLayout* layout, int span = 1);
    // A caption on its own over `span` columns.
    GridRows& label(const QString& caption, int span = 1, Qt::Alignment align = {});
    // A caption and, beside it, its control over `span` columns.
    GridRows& labelled(const QString& caption, QWidget* control, int span = 1, Qt::Alignment align = {});
    // A caption and its control below it, in one column over two rows: row() goes on below both.
    GridRows& over(const QString& caption, QWidget* control);
    // Leaves `columns` cells of the row empty.
    GridRows& skip(int columns = 1);
    // The row takes `factor` of the height left over: row().stretch() is an empty row below the others that
    // keeps them at the top.
    GridRows& stretch(int factor = 1);

    QGridLayout* grid() const { return m_grid; }

private:
    void started();
    QWidget* caption(const QString& text) const;

    QGridLayout* m_grid;
    int m_row = -1;
    int m_column = 0;
};

}  // namespace ui
