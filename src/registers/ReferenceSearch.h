#pragma once
// The search dialog of a reference register: finds rows by code or by the beginning of the name and puts
// the register that opened it on the chosen row. Procedure types, statuses and medicines each describe
// theirs (ReferenceSearches.h).

#include "common/FormOpening.h"
#include "common/SearchDialog.h"

class QPushButton;
class TReferenceForm;

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
};

class TReferenceSearch : public SearchDialog {
    Q_OBJECT
public:
    // Works on `form` for as long as that register stays open.
    TReferenceSearch(const ReferenceSearchDialog& dialog, TReferenceForm* form, QWidget* parent = nullptr);

    TReferenceForm* form() const;

    QPushButton* bmpPesquisar;
    QPushButton* bmpOK;

    void pesquisar();
    void ok();

private:
    const ReferenceSearchDialog& m_dialog;
};

// Opens a new dialog of class `Dialog` on `form` into its global variable.
template <class Dialog>
void openReferenceSearch(QPointer<Dialog>& global, const ReferenceSearchDialog& dialog, TReferenceForm* form) {
    global = new Dialog(form);
    showForm(global, dialog.window);
}
