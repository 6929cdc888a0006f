// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search style of the user and profile registers: "Selecione:" code or name, the text, "&Localizar"
// to list the matching rows with their count in the status bar, and "&OK" (or a double click, or Enter in
// the grid) to put the register on the chosen row and close.

#include "common/register/SearchDialog.h"
#include "platform/ui/DataGrid.h"

#include <functional>

class QPushButton;
class QStatusBar;

struct LocateDialogShape {
    QString objectName;
    QString caption;
    QString select;  // the rows' select, before the filter of the choice
    QString key;     // the code column
    QList<ui::GridColumn> columns;
    // How the register shows the chosen key; empty: RegisterForm::openKey.
    std::function<void(RegisterForm* form, const QVariant& key)> open;
};

class LocateDialog : public SearchDialog {
    Q_OBJECT
public:
    // Works on `form` for as long as that register stays open.
    LocateDialog(const LocateDialogShape& shape, RegisterForm* form, QWidget* parent = nullptr);

    QPushButton* bmpLocalizar;
    QPushButton* bmpOK;
    QStatusBar* stbPrincipal;

    void locate();
    void ok();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const LocateDialogShape& m_shape;
};
