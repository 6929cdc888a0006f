// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of the registry's look-up dialogs: a criterion and a text with the search button on top, the grid
// of the rows found (a click on a title orders them by that column), the status panels and "&OK" at the
// bottom; Enter in the text runs the search; "&OK", a double click or Enter in the grid chooses the current
// row. Each dialog gives its columns, its criteria, its search (a statement of its subject's SQL unit) and what
// choosing does.

#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"

#include <QSize>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

struct PickDialogShape {
    QString objectName;
    QString caption;
    QStringList criteria;
    bool blankCriterion = false;  // opens with no criterion chosen
    QString textName;             // the object name of the text box
    QString searchCaption;        // the search button's; its object name is "btn" and the caption's letters
    QString connection = db::kMain;
    QList<ui::GridColumn> columns;
    int statusPanels = 1;  // 0: no status panels, "&OK" alone at the right; the last panel takes the room
    QString countText;     // the text of the first panel after a search, %1 the number of rows
    QSize size;

    // A grid column of a UTF-8 title and a field name.
    static ui::GridColumn column(const char* title, const char* field, int width);
};

class PickDialog : public QWidget {
    Q_OBJECT
public:
    // A search as its SQL unit prepares it: the statement with its values into the query, ordered by the
    // result's column `orderBy` when one is given, else in the search's own order.
    using Search = std::function<void(db::Query& query, const QString& orderBy)>;

    PickDialog(const PickDialogShape& shape, QWidget* parent, Qt::WindowFlags flags);

    virtual void search() = 0;
    virtual void choose() = 0;
    // Reopens the last search ordered by the column, while it has one; calculated columns do not sort.
    virtual void sortBy(int column);

    QComboBox* cbbSelecao;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What "&OK", a double click and Enter in the grid do: choose() under the handler guard.
    virtual void confirm();

    // Opens `search` in its own order into qryPrincipal, keeping it for the orders of a title click, and
    // shows the count.
    void openRows(Search search);
    void showCount();

    QLineEdit* textBox() const { return m_text; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* statusPanel(int index) const { return m_panels.value(index); }
    bool hasStatement() const { return bool(m_lastSearch); }

private:
    QLineEdit* m_text;
    QPushButton* m_search;
    QPushButton* m_ok;
    QList<QLabel*> m_panels;
    ui::DataGridModel* m_grid;
    QString m_countText;
    Search m_lastSearch;  // the last search, with the values it was run with
};
