// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Columns that show what they hold: the columns of a grid or list as wide as their titles and as the texts of
// the rows the first screen shows (up to the view's width), those whose width a form's description gives
// kept as given.

#include <QObject>

#include <functional>

class QAbstractItemView;
class QHeaderView;

namespace ui {

struct ColumnWidth {
    int width = 0;       // the width given: what a fitted column is at least
    bool fixed = false;  // the width stands as given
};

// The titles' bar of a table (its horizontal header) or of a tree (its header).
QHeaderView* columnHeader(const QAbstractItemView* view);

// How wide a column that is not fixed wants to be: `given`, its title and the texts of the rows that the
// view's first screen shows, up to the width of the view.
int fittedWidth(const QAbstractItemView* view, int column, int given);

class ColumnFitter : public QObject {
    Q_OBJECT
public:
    // Fits the columns of `view` (a table or a tree) by their `given` widths now, when the view is first shown
    // and on refit(); and widens them when its rows are read again or its first rows are added.
    ColumnFitter(QAbstractItemView* view, std::function<ColumnWidth(int column)> given);
    // For a list whose form set its widths: the widths set now are the given ones; the columns in `fixed` keep
    // them.
    static ColumnFitter* fitList(QAbstractItemView* view, const QList<int>& fixed = {});

    void refit() { fit(false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(bool widenOnly);

    QAbstractItemView* m_view;
    std::function<ColumnWidth(int column)> m_given;
    bool m_shown = false;
};

}  // namespace ui
