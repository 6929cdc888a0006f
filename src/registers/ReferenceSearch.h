// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search dialog of a register: finds rows by code or by the beginning of the name and puts the register
// that opened it on the chosen row. Procedure types, statuses, medicines (ReferenceSearches.h) and
// professionals (UProfissionalPesquisa.h) each describe theirs.

#include "common/FormWindows.h"
#include "common/register/SearchDialog.h"

class QPushButton;

struct ReferenceSearchDialog {
    QString objectName{};
    QString caption{};
    ShowAs window = ShowAs::MdiChild;
    QString searchCaption{};  // the search button's text
    QString table{};
    QString key{};
    // The register follows the dialog's current row at once (else only on "&OK").
    bool followsCursor = false;
    // A search without a kind or a text is refused with these messages (empty: nothing happens).
    QString noKindMessage{}, noTextMessage{};
    QString selectionLabel = QStringLiteral("Pesquisar por:");
    bool freeKind = false;        // the kind may be typed as well as chosen
    bool listsAllOnOpen = false;  // the grid shows every row until the first search
    bool okNeedsRow = false;      // "&OK" without a current row does nothing (else it closes the dialog)
};

class ReferenceSearch : public SearchDialog {
    Q_OBJECT
public:
    // Works on `form` for as long as that register stays open.
    ReferenceSearch(const ReferenceSearchDialog& dialog, RegisterForm* form, QWidget* parent = nullptr);

    RegisterForm* form() const { return target(); }

    QPushButton* bmpPesquisar;
    QPushButton* bmpOK;

    void search();
    void ok();

private:
    QString baseSql() const;

    const ReferenceSearchDialog& m_dialog;
};

// Opens a new dialog of class `Dialog` on `form` into its global variable.
template <class Dialog>
void openReferenceSearch(QPointer<Dialog>& global, const ReferenceSearchDialog& dialog, RegisterForm* form) {
    global = new Dialog(form);
    showForm(global, dialog.window, form);
}
