// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search style of the user and profile registers: "Selecione:" code or name, the text, "&Localizar"
// to list the matching rows with their count in the status bar, and "&OK" (or a double click, or Enter in
// the grid) to hand the chosen row's code to the register that opened it, by chosen(), and close.

#include "common/register/SearchDialog.h"
#include "platform/ui/DataGrid.h"

class QPushButton;
class QStatusBar;

struct LocateDialogShape {
    QString objectName;
    QString caption;
    QString select;  // the rows' select, before the filter of the choice
    QString key;     // the code column
    QList<ui::GridColumn> columns;
};

class LocateDialog : public SearchDialog {
    Q_OBJECT
public:
    // The register that opens it connects to chosen() and puts itself on the row.
    explicit LocateDialog(const LocateDialogShape& shape, QWidget* parent = nullptr);

    QPushButton* bmpLocalizar;
    QPushButton* bmpOK;
    QStatusBar* stbPrincipal;

    void locate();
    void ok();

signals:
    // "&OK" on a row: its code, in the key column.
    void chosen(const QVariant& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const LocateDialogShape& m_shape;
};
