// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of a register's search dialog: a choice between "Código" and "Nome", a text in capitals, a
// grid of codes and names that sorts by a click on a title, and the register it serves, which it puts on
// a chosen row for as long as that register stays open.

#include "common/register/RegisterForm.h"
#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QTableView;
class QVBoxLayout;

namespace common {
inline const QString kSearchByCode = QStringLiteral("Código");
inline const QString kSearchByName = QStringLiteral("Nome");
}  // namespace common

class SearchDialog : public QWidget {
    Q_OBJECT
public:
    // `key` is the code column of the dialog's rows; `selectionLabel` the caption of the choice; `target` the
    // register that showInRegister() moves, none for a dialog that hands its row back by a signal of its own.
    SearchDialog(RegisterForm* target, const QString& key, const QString& selectionLabel, QWidget* parent = nullptr);

    RegisterForm* target() const { return m_target; }

    QComboBox* cbbSelecao;
    QLineEdit* edtTexto;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;

protected:
    // On the first show: wide enough for the grid's columns, centred over the work area.
    void showEvent(QShowEvent* event) override;

    // Puts the register on the dialog's current row; nothing once the register has closed, nor while it
    // holds a row being typed.
    void showInRegister();
    // Reopens the rows ordered by the clicked column; a failure leaves them as they were.
    void sortBy(int column);

    const QString& keyField() const { return m_key; }
    QVBoxLayout* mainLayout() const { return m_layout; }

private:
    QPointer<RegisterForm> m_target;
    QString m_key;
    QVBoxLayout* m_layout;
    bool m_placed = false;
};
