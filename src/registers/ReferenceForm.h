// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference-table register: one register form driven by a description of its table. Groups, species,
// breeds, coats, sizes, statuses, measure units, medicines, procedure types, occurrence types and the
// prescription texts by weight are each a description (ReferenceTables.cpp) and a thin class
// (ReferenceForms.h); what one of them does differently is a line of its description.

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "common/register/RegisterForm.h"

#include <QHash>
#include <QList>
#include <QVariantHash>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace report {
class Report;
}

namespace ui {
class LookupComboLink;
}

// An edit control of the detail pages. Every register also has the read-only code field (dbeCodigo) and
// the tick "Registro inativo." (dbcAtivo); they are not described.
struct ReferenceControl {
    enum class Kind {
        Name,     // a capitals-only line edit
        Memo,     // free text, Enter makes a new line
        Decimal,  // a number with the decimal comma ("12,5")
        Lookup,   // a list of another table's rows storing the chosen row's key
        Flag,     // a tick storing one text when ticked and another when not
    };
    Kind kind = Kind::Name;
    QString name{};   // object name: dbeNome, dbmDescricao, dblEspecie...
    QString label{};  // caption beside the control; the tick's own text for a flag
    QString field{};
    int maxLength = 0;
    QString page{};  // empty: the page "Principal"; else a page of that caption after "Geral"
    bool readOnly = false;
    // Look-ups: the list's select, its key and shown columns and the column shown as the control's hint.
    QString listSql{}, listKey{}, listShown{}, hintField{};
    // Flags: the stored texts.
    QString ticked{}, unticked{};
    // The message of a save refused while the control is blank (a look-up: shows no choice).
    QString requiredMessage{};
};

// A grid column of the page "Geral" after the key column "Código".
struct ReferenceGridColumn {
    enum class Shows {
        Value,
        Decimal,  // a number with the decimal comma
        Lookup,   // a name read per row with `lookupSql` (":id" takes the field's value)
    };
    QString title{};
    QString field{};
    int width = 80;
    Shows shows = Shows::Value;
    QString lookupSql{};
};

class ReferenceForm;

struct ReferenceTable {
    QString objectName;  // frmGrupoAnimais
    QString caption;
    QString action;  // the menu action that opens it ...
    int formId = 0;  // ... with the rights of this form id, the menu number
    ShowAs window = ShowAs::MdiChild;
    std::function<void()> open;  // what the action does: a new instance into the class's global variable

    // The table written: its key, made by the client, and its columns besides the key and the audit columns.
    QString table;  // as the statements spell it
    QString key;
    QStringList columns;

    QList<ReferenceControl> controls;  // in the order the save checks them
    QList<ReferenceGridColumn> grid;
    QVariantHash defaults;  // of a new row besides Ind_Status "ATIVO"
    QString newRowFocus;    // the control focused on "Novo", if any

    QList<ReferenceCheck> references;  // each blocks a delete with `refusal`
    QString refusal;
    QString confirmation;   // "%1" stands for the key
    QString deleteFailure;  // shown for any error while checking or deleting; empty: the error box

    // Imprimir: the list report of the table, which the menu action `reportAction` (if any) also opens.
    // Pesquisar: the search dialog (none: the button is hidden).
    std::function<std::shared_ptr<report::Report>()> report;
    QString reportAction;
    std::function<void(ReferenceForm* form)> search;
};

class ReferenceForm : public RegisterForm {
    Q_OBJECT
public:
    ReferenceForm(const ReferenceTable& table, QWidget* parent = nullptr);

    const ReferenceTable& description() const { return m_table; }

    QLineEdit* dbeCodigo;
    QCheckBox* dbcAtivo;

protected:
    void opening() override;
    void newRecord(db::DataSet& data) override;
    bool validate() override;
    bool checkReferences(const QVariant& key) override;
    void print() override;
    void search() override;

private:
    // The constructor's parts, in order.
    void describeRegister();   // table, statements, defaults, references and delete texts of the description
    void describeGrid();       // "Código" and the described columns of "Geral"
    void createFields();       // the code, the described controls on their pages, and "Registro inativo."
    void keepControlsAtTop();  // on each page whose rows do not stretch

    QWidget* page(const QString& caption);
    QWidget* makeControl(const ReferenceControl& control, QWidget* page);
    bool isBlank(const ReferenceControl& control) const;
    QString lookupName(const QString& sql, const QVariant& id);

    const ReferenceTable& m_table;
    QHash<QString, QWidget*> m_pages;
    QHash<QString, QWidget*> m_controls;  // by object name
    QHash<QString, ui::LookupComboLink*> m_lookups;
    QHash<QString, QString> m_lookedUp;  // names of the grid's looked-up columns, by statement and id
};

// Whether `text` is a weight: digits, then optionally the decimal comma and more digits ("12", "12,5").
bool isWeight(const QString& text);

// The weight a decimal field holds, with the decimal comma; empty when null.
QString decimalText(const QVariant& value);

// Opens a new instance of `Form` into its global variable as the menu does: rights of its form id, then
// shown in its window kind.
template <class Form>
void openReferenceForm(QPointer<Form>& global, const ReferenceTable& table) {
    global = new Form;
    applyFormRights(global, table.formId);
    showForm(global, table.window);
}
