// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only grid over a data set: its model, its columns, its sort by a title click and the row it follows.
#include "platform/ui/DataGrid.h"

#include "platform/ui/ColumnWidths.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>

namespace ui {

DataGridModel::DataGridModel(db::DataSet* data, QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_data(data), m_columns(std::move(columns)) {
    mapFields();
    m_rows = data->fetchedCount();
    connect(data, &db::DataSet::rowsChanged, this, &DataGridModel::reset);
    connect(data, &db::DataSet::rowsFetched, this, &DataGridModel::rowsFetched);
    connect(data, &db::DataSet::fieldChanged, this, &DataGridModel::rowChanged);
}

void DataGridModel::setColumns(QList<GridColumn> columns) {
    beginResetModel();
    m_columns = std::move(columns);
    m_sortColumn = -1;
    mapFields();
    endResetModel();
    emit columnsReplaced();
}

void DataGridModel::mapFields() {
    m_fieldIndex.clear();
    for (const GridColumn& c : std::as_const(m_columns)) {
        const QString& field = c.field.isEmpty() ? c.valueField : c.field;
        m_fieldIndex << (m_data && !field.isEmpty() ? m_data->fieldIndex(field) : -1);
    }
}

void DataGridModel::reset() {
    beginResetModel();
    mapFields();
    m_rows = m_data ? m_data->fetchedCount() : 0;
    endResetModel();
}

void DataGridModel::rowsFetched() {
    const int now = m_data ? m_data->fetchedCount() : 0;
    if (now <= m_rows)
        return;
    beginInsertRows({}, m_rows, now - 1);
    m_rows = now;
    endInsertRows();
}

bool DataGridModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_data && m_data->canFetchMore();
}

void DataGridModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid() && m_data)
        m_data->fetchMore();
}

void DataGridModel::rowChanged() {
    if (!m_data || m_data->recNo() < 0 || m_columns.isEmpty())
        return;
    const int row = m_data->recNo();
    emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

void DataGridModel::markSortColumn(int column) {
    const QPalette palette = QApplication::palette();
    for (int i = 0; i < m_columns.size(); ++i)
        m_columns[i].color = palette.color(i == column ? QPalette::ToolTipBase : QPalette::Base);
    m_sortColumn = column;
    if (!m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(std::max(0, rowCount() - 1), int(m_columns.size()) - 1));
}

int DataGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_data)
        return 0;
    return m_rows;
}

int DataGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_data || index.column() >= m_columns.size())
        return {};
    const GridColumn& c = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        if (c.text)
            return c.text(*m_data, index.row());
        if (c.format)
            return c.format(m_data->cell(index.row(), m_fieldIndex[index.column()]));
        return db::toText(m_data->cell(index.row(), m_fieldIndex[index.column()]));
    case Qt::BackgroundRole: return c.color.isValid() ? QVariant(QBrush(c.color)) : QVariant();
    case Qt::ForegroundRole:
        if (m_foreground) {
            const QColor colour = m_foreground(*m_data, index.row());
            if (colour.isValid())
                return QBrush(colour);
        }
        return {};
    case Qt::FontRole:
        if (c.bold) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default: return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

namespace {

// Keeps a view's current row and a data set's cursor together.
class CursorFollower : public QObject {
public:
    CursorFollower(QTableView* view, db::DataSet* data) : QObject(view), m_view(view), m_data(data) {
        connect(data, &db::DataSet::currentChanged, this, &CursorFollower::showCursor);
        connect(data, &db::DataSet::rowsChanged, this, &CursorFollower::showCursor);
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { rowChosen(current.row()); });
        showCursor();
    }

private:
    void showCursor() {
        if (!m_data)
            return;
        m_syncing = true;
        const int row = m_data->recNo();
        QItemSelectionModel* selection = m_view->selectionModel();
        if (row < 0 || row >= m_view->model()->rowCount()) {
            selection->clear();
        } else {
            const QModelIndex at = m_view->model()->index(row, std::max(0, m_view->currentIndex().column()));
            selection->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            m_view->scrollTo(at);
        }
        m_syncing = false;
    }

    void rowChosen(int row) {
        if (m_syncing || !m_data || row < 0 || row == m_data->recNo())
            return;
        if (m_data->isEditing()) {
            showCursor();  // a pending insert or edit is saved by the form, never by a grid click
            return;
        }
        try {
            m_data->moveTo(row);
        } catch (const std::exception&) {
            showCursor();
        }
    }

    QTableView* m_view;
    QPointer<db::DataSet> m_data;
    bool m_syncing = false;
};

}  // namespace

DataGridModel* bindGrid(QTableView* view, db::DataSet* data, QList<GridColumn> columns) {
    auto* model = new DataGridModel(data, std::move(columns), view);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    auto* fitter = new ColumnFitter(view, [model](int column) {
        const GridColumn c = model->columns().value(column);
        return ColumnWidth{c.width, c.fixed};
    });
    QObject::connect(model, &DataGridModel::columnsReplaced, fitter, &ColumnFitter::refit);
    new CursorFollower(view, data);
    return model;
}

DataGridModel* gridModelOf(QTableView* view) { return view ? qobject_cast<DataGridModel*>(view->model()) : nullptr; }

void onTitleClick(QTableView* view, std::function<void(int column)> sort) {
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, view,
                     [sort = std::move(sort)](int column) {
                         const WaitCursor wait;
                         sort(column);
                     });
}

}  // namespace ui
