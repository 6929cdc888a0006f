// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The register form: the shape every data-entry form of the system shares. A main data set posted through
// its insert and modify statements (qryPrincipal), a scratch query (qryAuxiliar), a tool bar of data-set
// actions with search, print and exit, a detail page "Principal" and a grid page "Geral".
//
// A register states only its differences: its table's description, its grid columns,
// the defaults of a new row, the references that block a delete and its texts, and whichever hooks it
// overrides (validation, new key, reference checks, delete, print, search...).

#include "common/FormWindows.h"
#include "common/access/Session.h"
#include "common/register/DataActions.h"
#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"

#include <QList>
#include <QVariantHash>
#include <QWidget>

class QAction;
class QStatusBar;
class QTabWidget;
class QTableView;
class QToolBar;

// A table and column that refer to a register's key; a row found there blocks the delete.
struct ReferenceCheck {
    QString table;
    QString column;
};

namespace common {
inline const QString kOperacaoRealizada = QStringLiteral("Operação realizada com sucesso!");
inline const QString kNaoHaRegistro = QStringLiteral("Não há registro!");
inline const QString kNaoFoiPossivelOrdenar = QStringLiteral("Não foi possível ordenar por este campo.");
inline const QString kAlteracoesNaoGravadas =
    QStringLiteral("Existem alterações não gravadas. Deseja sair sem gravar?");
}  // namespace common

class RegisterForm : public QWidget, public RegisterActions, public AsksBeforeClosing {
    Q_OBJECT
public:
    enum class OpenOnShow { Empty, AllRows, Nothing };
    // Where a delete on an empty register says "Não há registro!": after the reference checks and the
    // confirmation (the work-unit register), or before anything is asked.
    enum class EmptyCheck { AfterConfirmation, BeforeReferences };
    // Whether a delete checks the references before its question (most registers) or after it.
    enum class DeleteOrder { ReferencesFirst, QuestionFirst };

    explicit RegisterForm(QWidget* parent = nullptr);
    ~RegisterForm() override;

    db::DataSet* qryPrincipal;
    db::Query qryAuxiliar;

    QToolBar* tlbPrincipal;
    QAction* actAjuda;

    QTabWidget* pgcPrincipal;
    QWidget* tbsPrincipal;  // the detail page: a register lays its controls out here
    QWidget* tbsGeral;
    QTableView* dbgPrincipal;
    ui::DataGridModel* gridModel;
    QStatusBar* stbPrincipal;

    const QString& table() const { return m_table.name; }
    const QString& keyField() const { return m_table.keyColumn(); }

    // What the actions do; also called by the search dialogs. A register whose action differs altogether
    // replaces it (a cancel that reloads, a delete without a question); most only override the hooks below.
    virtual void refresh();  // Atualizar: every row
    virtual void append();   // Novo: an empty select, a new row with its defaults
    virtual void edit();     // Alterar
    virtual void cancel();   // Cancelar
    virtual void save();     // Gravar: validate, server time, transaction, key, post with the audit stamp, commit
    virtual void remove();   // Excluir: references and confirmation (setDeleteOrder), delete in a
                             // transaction, reload
    // While a row is being typed, neither a sort nor a search moves the register: the row would be lost.
    void sortBy(int column);            // a click on the grid title of `column`
    void openKey(const QVariant& key);  // the register holds exactly the row of that key
    void closeForm();                   // Sair: closes the form, or its MDI window, if mayClose() allows
    // A row being typed asks whether to leave without saving.
    bool askBeforeClosing() override;

protected:
    // Set by a register's constructor: the table its rows are written to, and how their keys are made.
    void setTable(const db::Table& table);
    void setGridColumns(QList<ui::GridColumn> columns);
    void setNewRowDefaults(const QVariantHash& values);
    void setReferenceChecks(QList<ReferenceCheck> checks, const QString& refusal);
    // The confirmation question ("%1" stands for the key) and the message of a delete that the server
    // refuses (empty: the server's own text in the standard error box).
    void setDeleteTexts(const QString& confirmation, const QString& serverRefusal);
    void setOpenOnShow(OpenOnShow how) { m_openOnShow = how; }
    void setEmptyCheck(EmptyCheck when) { m_emptyCheck = when; }
    void setDeleteOrder(DeleteOrder order) { m_deleteOrder = order; }
    void setFirstFocus(QWidget* control) { m_firstFocus = control; }

    // Hooks.
    virtual QString selectAllSql() const;                // "select * from <table> "
    virtual QString emptySelectSql() const;              // the same " where 1=2 "
    virtual void opening();                              // on the first show, by setOpenOnShow
    virtual void newRecord(db::DataSet& data);           // a new row, after the defaults
    virtual bool validate();                             // false stops the save (see refuse())
    virtual QVariant newKey();                           // a key made by the client: the highest plus one
    virtual void beforePost(bool inserting);             // inside the transaction, the key set
    virtual void afterCommit(bool inserting);            // before the message of savedMessage()
    virtual QString savedMessage(bool inserting) const;  // "Operação realizada com sucesso!"
    virtual bool checkReferences(const QVariant& key);   // false stops the delete; it has said why
    virtual void deleteRow(const QVariant& key);         // inside the delete's transaction; a delete of
                                                         // its own checks its count with db::requireAffected()
    virtual QString sortField(int column) const;         // the grid column's field; empty: cannot sort
    virtual void print();
    virtual void search();
    // Whether the form may close now, whichever way it is closed (Sair, its key, the window's close box, the
    // main menu's Sair). By default a row being typed asks first (unless ClosingAnswered), and Sim discards it.
    virtual bool mayClose();

    // Shows `message`, focuses `focus` and returns false: a validation's refusal.
    bool refuse(const QString& message, QWidget* focus = nullptr);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The constructor's parts, in order.
    void createDataSet();    // qryPrincipal, whose new row takes the defaults and then newRecord()
    void createToolBar();    // the data-set actions, Ajuda, and tlbPrincipal
    void createTabs();       // "Principal" and "Geral"
    void createGrid();       // the rows on "Geral", ordered by a click on a title
    void createStatusBar();  // three panels, the last one stretching
    void layOut();           // the tool bar, the pages and the status bar, without margins
    void connectActions();   // the actions run the virtual steps; their enabled states follow qryPrincipal

    void updateActions();
    void setIfPresent(const QString& field, const QVariant& value);
    void focusFirstEditable();  // after Novo and Alterar: the first control of "Principal" that edits now

    db::Table m_table{.key = {QString()}};
    QVariantHash m_defaults;
    QList<ReferenceCheck> m_references;
    QString m_referenced;
    QString m_confirmDelete, m_deleteRefused;
    OpenOnShow m_openOnShow = OpenOnShow::Empty;
    EmptyCheck m_emptyCheck = EmptyCheck::AfterConfirmation;
    DeleteOrder m_deleteOrder = DeleteOrder::ReferencesFirst;
    QWidget* m_firstFocus = nullptr;
    bool m_shown = false;
};
