// SPDX-License-Identifier: GPL-3.0-or-later
// Columns fitted to their titles and to the rows of the first screen, widened as rows are read.
#include "platform/ui/ColumnWidths.h"

#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>

#include <utility>

namespace ui {

namespace {

// The rows a view's first screen shows: as many as its viewport holds once laid out, else a screenful.
int firstScreenRows(const QAbstractItemView* view) {
    const int rowHeight = std::max(1, view->fontMetrics().height() + 4);
    const int shown = view->viewport()->height() / rowHeight + 1;
    return view->isVisible() && shown > 1 ? shown : 40;
}

}  // namespace

QHeaderView* columnHeader(const QAbstractItemView* view) {
    if (const auto* table = qobject_cast<const QTableView*>(view))
        return table->horizontalHeader();
    if (const auto* tree = qobject_cast<const QTreeView*>(view))
        return tree->header();
    return nullptr;
}

int fittedWidth(const QAbstractItemView* view, int column, int given) {
    const QAbstractItemModel* model = view->model();
    const QHeaderView* header = columnHeader(view);
    int width = std::max(given, header && !header->isHidden() ? header->sectionSizeHint(column) : 0);
    const int rows = model ? std::min(model->rowCount(view->rootIndex()), firstScreenRows(view)) : 0;
    int content = 0;
    for (int r = 0; r < rows; ++r)
        content = std::max(content, view->sizeHintForIndex(model->index(r, column, view->rootIndex())).width());
    const auto* table = qobject_cast<const QTableView*>(view);
    if (content > 0 && table && table->showGrid())
        content += 1;
    const int room = view->isVisible() ? view->viewport()->width() : content;
    return std::max(width, std::min(content, room));
}

ColumnFitter::ColumnFitter(QAbstractItemView* view, std::function<ColumnWidth(int column)> given)
    : QObject(view), m_view(view), m_given(std::move(given)) {
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fit(true); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first) {
        if (parent == m_view->rootIndex() && first < firstScreenRows(m_view))
            fit(true);
    });
    view->installEventFilter(this);
    fit(false);
}

ColumnFitter* ColumnFitter::fitList(QAbstractItemView* view, const QList<int>& fixed) {
    QHash<int, ColumnWidth> given;
    const QHeaderView* header = columnHeader(view);
    for (int c = 0; header && c < header->count(); ++c)
        given.insert(c, {header->sectionSize(c), fixed.contains(c)});
    return new ColumnFitter(view, [given](int column) { return given.value(column); });
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::Show && !std::exchange(m_shown, true))
        fit(false);
    return false;
}

void ColumnFitter::fit(bool widenOnly) {
    QHeaderView* header = columnHeader(m_view);
    if (!header || !m_view->model())
        return;
    for (int c = 0; c < m_view->model()->columnCount(m_view->rootIndex()); ++c) {
        const ColumnWidth given = m_given(c);
        const int wanted = given.fixed ? given.width : fittedWidth(m_view, c, given.width);
        header->resizeSection(c, widenOnly ? std::max(wanted, header->sectionSize(c)) : wanted);
    }
    if (!widenOnly)
        m_view->horizontalScrollBar()->setValue(0);
}

}  // namespace ui
