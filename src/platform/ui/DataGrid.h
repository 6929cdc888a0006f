// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only grid over a db::DataSet: columns given in code, and the grid's selected row and the data
// set's cursor following each other both ways.

#include "platform/db/DataSet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPointer>
#include <functional>

class QTableView;

namespace ui {

struct GridColumn {
    GridColumn() = default;
    GridColumn(QString title, QString field, int width = 64, QColor color = {}, bool bold = false)
        : title(std::move(title)), field(std::move(field)), width(width), color(color), bold(bold) {}
    // A column whose text the caller works out for each row.
    static GridColumn calculated(QString title, int width,
                                 std::function<QString(const db::DataSet& data, int row)> text) {
        GridColumn c(std::move(title), QString(), width);
        c.text = std::move(text);
        return c;
    }
    // A column whose width a form's description sets: it stays as given.
    static GridColumn fixedAt(QString title, QString field, int width) {
        GridColumn c(std::move(title), std::move(field), width);
        c.fixed = true;
        return c;
    }

    QString title;
    QString field;  // the data set's field shown; empty for a calculated column
    int width = 64;
    bool fixed = false;  // the width stands as given; otherwise the column fits its title and content
    QColor color;        // background; invalid: the window colour
    bool bold = false;
    // A calculated column: the text of a row, read from the data set by the caller.
    std::function<QString(const db::DataSet& data, int row)> text;
    // A column that shows a field's value in its own way: `format` takes the value of `field`, or of
    // `valueField` where the column has no field of its own to sort by.
    std::function<QString(const QVariant& value)> format;
    QString valueField;
};

class DataGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DataGridModel(db::DataSet* data, QList<GridColumn> columns, QObject* parent = nullptr);

    db::DataSet* dataSet() const { return m_data; }
    // Replaces the columns; the grids bound to the model take their widths again.
    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const { return m_columns; }

    // Marks the column a click sorted by: every column takes the window colour, that one the tool-tip colour.
    void markSortColumn(int column);
    int sortColumn() const { return m_sortColumn; }

    // The text colour of each row, worked out by the caller; an invalid colour keeps the default.
    void setRowForeground(std::function<QColor(const db::DataSet& data, int row)> colour) {
        m_foreground = std::move(colour);
    }

    // The rows the data set has read; scrolling on asks it for more, as Qt's own model does.
    int rowCount(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void columnsReplaced();

private:
    void reset();
    void rowsFetched();
    void rowChanged();
    void mapFields();

    QPointer<db::DataSet> m_data;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex;  // of each column in the data set's rows, -1 when absent
    int m_rows = 0;           // the data set's rows the views know of
    int m_sortColumn = -1;
    std::function<QColor(const db::DataSet& data, int row)> m_foreground;
};

// Puts a model of `columns` over `data` into `view` (read only, whole-row selection, titles clickable) and
// keeps the view's row and the data set's cursor together. A fixed column is as wide as given; any other at
// least as wide as given, as its title and as the texts of the rows its first screen shows (up to the grid's
// width): when the grid is first shown and whenever the columns are replaced, and wider when rows read again
// need it. The grid then shows its first column. While the data set is inserting or editing, the grid stays on
// the row being edited.
DataGridModel* bindGrid(QTableView* view, db::DataSet* data, QList<GridColumn> columns);

// The grid model a view was bound with, or null.
DataGridModel* gridModelOf(QTableView* view);

// Runs `sort` with the clicked column's index on every click on one of the view's titles, under the wait
// cursor (a sort reads the rows again).
void onTitleClick(QTableView* view, std::function<void(int column)> sort);

}  // namespace ui
