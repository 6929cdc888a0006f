// SPDX-License-Identifier: GPL-3.0-or-later
// Grid layouts placed row by row.
#include "platform/ui/GridRows.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace ui {

namespace {

// The first row below every cell of `grid`.
int rowBelow(const QGridLayout* grid) {
    int below = 0;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        below = std::max(below, row + rows);
    }
    return below;
}

}  // namespace

GridRows::GridRows(QGridLayout* grid) : m_grid(grid) {}

GridRows& GridRows::row() {
    m_row = std::max(m_row + 1, rowBelow(m_grid));
    m_column = 0;
    return *this;
}

void GridRows::started() {
    if (m_row < 0)
        row();
}

GridRows& GridRows::add(QWidget* control, int span, Qt::Alignment align) {
    started();
    m_grid->addWidget(control, m_row, m_column, 1, span, align);
    m_column += span;
    return *this;
}

GridRows& GridRows::add(QLayout* layout, int span) {
    started();
    m_grid->addLayout(layout, m_row, m_column, 1, span);
    m_column += span;
    return *this;
}

QWidget* GridRows::caption(const QString& text) const { return new QLabel(text, m_grid->parentWidget()); }

GridRows& GridRows::label(const QString& text, int span, Qt::Alignment align) {
    return add(caption(text), span, align);
}

GridRows& GridRows::labelled(const QString& text, QWidget* control, int span, Qt::Alignment align) {
    return add(caption(text)).add(control, span, align);
}

GridRows& GridRows::over(const QString& text, QWidget* control) {
    started();
    m_grid->addWidget(caption(text), m_row, m_column);
    m_grid->addWidget(control, m_row + 1, m_column);
    ++m_column;
    return *this;
}

GridRows& GridRows::skip(int columns) {
    started();
    m_column += columns;
    return *this;
}

GridRows& GridRows::stretch(int factor) {
    started();
    m_grid->setRowStretch(m_row, factor);
    return *this;
}

}  // namespace ui
