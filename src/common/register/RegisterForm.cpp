// SPDX-License-Identifier: GPL-3.0-or-later
// The register form's tool bar, states and save: the checks, the audit stamps, the post in one transaction.
#include "common/register/RegisterForm.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/Session.h"
#include "common/register/DataActions.h"
#include "common/register/RegisterSql.h"
#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/FieldLink.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace common;

RegisterForm::RegisterForm(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    createDataSet();
    createToolBar();
    createTabs();
    createGrid();
    createStatusBar();
    layOut();
    connectActions();
    updateActions();
    resize(640, 420);
}

void RegisterForm::createDataSet() {
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    qryPrincipal->onNewRecord = [this](db::DataSet& data) {
        for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it)
            setIfPresent(it.key(), it.value());
        newRecord(data);
    };
}

void RegisterForm::createToolBar() {
    using K = QKeySequence;
    createRegisterActions(this);
    actAjuda = makeScopedAction(this, "actAjuda", QStringLiteral("Ajuda"), {K(Qt::Key_F1)});
    tlbPrincipal = makeToolBar(this, QStringLiteral("tlbPrincipal"));
}

void RegisterForm::createTabs() {
    pgcPrincipal = new QTabWidget(this);
    pgcPrincipal->setObjectName(QStringLiteral("pgcPrincipal"));
    pgcPrincipal->setDocumentMode(true);
    tbsPrincipal = new QWidget(pgcPrincipal);
    tbsPrincipal->setObjectName(QStringLiteral("tbsPrincipal"));
    tbsGeral = new QWidget(pgcPrincipal);
    tbsGeral->setObjectName(QStringLiteral("tbsGeral"));
    pgcPrincipal->addTab(tbsPrincipal, QStringLiteral("Principal"));
    pgcPrincipal->addTab(tbsGeral, QStringLiteral("Geral"));
}

void RegisterForm::createGrid() {
    dbgPrincipal = new QTableView(tbsGeral);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    auto* gridPage = new QVBoxLayout(tbsGeral);
    gridPage->setContentsMargins(0, 0, 0, 0);
    gridPage->addWidget(dbgPrincipal);
    gridModel = ui::bindGrid(dbgPrincipal, qryPrincipal, {});
    ui::onTitleClick(dbgPrincipal, [this](int column) { guarded([this, column] { sortBy(column); }); });
}

void RegisterForm::createStatusBar() {
    stbPrincipal = new QStatusBar(this);
    stbPrincipal->setObjectName(QStringLiteral("StatusBar1"));
    stbPrincipal->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(stbPrincipal);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setMinimumWidth(150);
        stbPrincipal->addWidget(panel, i == 2 ? 1 : 0);
    }
}

void RegisterForm::layOut() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbPrincipal);
    layout->addWidget(pgcPrincipal, 1);
    layout->addWidget(stbPrincipal);
}

void RegisterForm::connectActions() {
    onTriggered(actAppend, [this] {
        append();
        focusFirstEditable();
    });
    onTriggered(actEdit, [this] {
        edit();
        focusFirstEditable();
    });
    onTriggered(actDelete, [this] { remove(); });
    onTriggered(actRefresh, [this] { refresh(); });
    onTriggered(actPost, [this] { save(); });
    onTriggered(actCancel, [this] { cancel(); });
    moveThrough(qryPrincipal);
    onTriggered(actPrint, [this] { print(); });
    onTriggered(actPesquisar, [this] { search(); });
    onTriggered(actSair, [this] { closeForm(); });

    connect(qryPrincipal, &db::DataSet::stateChanged, this, &RegisterForm::updateActions);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, &RegisterForm::updateActions);
    connect(qryPrincipal, &db::DataSet::rowsChanged, this, &RegisterForm::updateActions);
}

RegisterForm::~RegisterForm() = default;

void RegisterForm::setTable(const db::Table& table) {
    m_table = table;
    qryPrincipal->setTable(table);
}

void RegisterForm::setGridColumns(QList<ui::GridColumn> columns) { gridModel->setColumns(std::move(columns)); }

void RegisterForm::setNewRowDefaults(const QVariantHash& values) { m_defaults = values; }

void RegisterForm::setReferenceChecks(QList<ReferenceCheck> checks, const QString& refusal) {
    m_references = std::move(checks);
    m_referenced = refusal;
}

void RegisterForm::setDeleteTexts(const QString& confirmation, const QString& serverRefusal) {
    m_confirmDelete = confirmation;
    m_deleteRefused = serverRefusal;
}

void RegisterForm::updateActions() { updateDataActions(dataActions(), *qryPrincipal); }

void RegisterForm::focusFirstEditable() {
    if (!qryPrincipal->isEditing())
        return;
    pgcPrincipal->setCurrentWidget(tbsPrincipal);
    // The page's controls come in the focus chain in tab order, among the rest of the window's.
    for (QWidget* w = tbsPrincipal->nextInFocusChain(); w && w != tbsPrincipal; w = w->nextInFocusChain()) {
        const ui::FieldLink* link = ui::linkOf(w);
        if (link && link->writable() && tbsPrincipal->isAncestorOf(w) && w->isEnabled() &&
            w->isVisibleTo(tbsPrincipal) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void RegisterForm::setIfPresent(const QString& field, const QVariant& value) {
    if (qryPrincipal->hasField(field))
        qryPrincipal->setField(field, value);
}

// --- hooks ---

QString RegisterForm::selectAllSql() const { return registersql::selectAll(table()); }

QString RegisterForm::emptySelectSql() const { return registersql::selectNone(table()); }

void RegisterForm::opening() {
    switch (m_openOnShow) {
    case OpenOnShow::Empty:
        qryPrincipal->setSql(emptySelectSql());
        qryPrincipal->open();
        break;
    case OpenOnShow::AllRows: refresh(); break;
    case OpenOnShow::Nothing: break;
    }
}

void RegisterForm::newRecord(db::DataSet&) {}

bool RegisterForm::validate() { return true; }

QVariant RegisterForm::newKey() { return db::nextKey(table(), keyField()); }

void RegisterForm::beforePost(bool) {}

void RegisterForm::afterCommit(bool) {}

QString RegisterForm::savedMessage(bool) const { return kOperacaoRealizada; }

bool RegisterForm::checkReferences(const QVariant& key) {
    for (const ReferenceCheck& ref : std::as_const(m_references)) {
        if (registersql::isReferenced(ref.table, ref.column, key)) {
            Prompts::information(m_referenced);
            return false;
        }
    }
    return true;
}

void RegisterForm::deleteRow(const QVariant& key) {
    // The row goes only as it was read: its columns, its audit columns and Modificado_Em.
    db::deleteRow({.table = m_table, .key = key, .read = db::readValues(*qryPrincipal)});
}

QString RegisterForm::sortField(int column) const {
    const QList<ui::GridColumn>& columns = gridModel->columns();
    return column >= 0 && column < columns.size() ? columns[column].field : QString();
}

void RegisterForm::print() {}

void RegisterForm::search() {}

bool RegisterForm::askBeforeClosing() { return !qryPrincipal->isEditing() || Prompts::confirm(kAlteracoesNaoGravadas); }

bool RegisterForm::mayClose() {
    if (!qryPrincipal->isEditing())
        return true;
    if (!ClosingAnswered::active() && !askBeforeClosing())
        return false;
    qryPrincipal->cancel();
    return true;
}

bool RegisterForm::refuse(const QString& message, QWidget* focus) {
    Prompts::information(message);
    if (focus)
        focus->setFocus();
    return false;
}

// --- the actions' work ---

void RegisterForm::refresh() {
    qryPrincipal->setSql(selectAllSql());
    qryPrincipal->open();
}

void RegisterForm::append() {
    qryPrincipal->setSql(emptySelectSql());
    qryPrincipal->open();
    qryPrincipal->append();
}

void RegisterForm::edit() { qryPrincipal->edit(); }

void RegisterForm::cancel() { qryPrincipal->cancel(); }

void RegisterForm::save() {
    if (!qryPrincipal->isEditing())
        return;
    if (!validate())
        return;
    const bool inserting = qryPrincipal->state() == db::DataSet::State::Insert;
    const db::Stamp stamp = tables::byUser(db::serverTime());
    // The key a save makes goes into the row; a failed save takes it back.
    const bool clientKey = inserting && m_table.newKey == db::NewKey::Client;
    const QVariant keyBefore =
        clientKey && qryPrincipal->hasField(keyField()) ? qryPrincipal->field(keyField()) : QVariant();
    try {
        // A post or a commit the server refuses rolls the transaction back here and leaves the row as
        // typed, still inserting or editing, for another try.
        db::Transaction transaction;
        auto post = [&] {
            beforePost(inserting);
            qryPrincipal->post(stamp);
        };
        if (clientKey) {
            // A key another system took meanwhile is tried once more with the next one.
            db::insertWithNewKey(
                keyField(), [this] { return db::toInt(newKey()); },
                [&](int key) {
                    setIfPresent(keyField(), key);
                    post();
                });
        } else {
            post();
        }
        transaction.commit();
    } catch (...) {
        if (clientKey && qryPrincipal->isEditing())
            setIfPresent(keyField(), keyBefore);
        throw;
    }
    afterCommit(inserting);
    Prompts::information(savedMessage(inserting));
}

void RegisterForm::remove() {
    const bool empty = !qryPrincipal->isActive() || qryPrincipal->recNo() < 0;
    if (empty && m_emptyCheck == EmptyCheck::BeforeReferences) {
        Prompts::information(kNaoHaRegistro);
        return;
    }
    const QVariant key = empty ? QVariant() : qryPrincipal->field(keyField());
    const bool questionFirst = m_deleteOrder == DeleteOrder::QuestionFirst;
    if (!questionFirst && !checkReferences(key))
        return;
    if (!Prompts::confirm(QString(m_confirmDelete).replace(QStringLiteral("%1"), db::toText(key))))
        return;
    if (questionFirst && !checkReferences(key))
        return;
    if (empty) {
        Prompts::information(kNaoHaRegistro);
        return;
    }
    try {
        db::Transaction transaction;
        deleteRow(key);
        transaction.commit();
    } catch (const db::Error& e) {
        if (m_deleteRefused.isEmpty() || e.kind() != db::Error::Kind::Refused)
            throw;
        Prompts::information(m_deleteRefused);
        return;
    }
    refresh();
    Prompts::information(kOperacaoRealizada);
}

void RegisterForm::sortBy(int column) {
    if (qryPrincipal->isEditing())
        return;
    db::Query& select = qryPrincipal->query();
    const QString before = select.text();
    try {
        const QString field = sortField(column);
        if (field.isEmpty())
            throw db::Error(kNaoFoiPossivelOrdenar);
        select.setSql(registersql::withOrderBy(before, field));  // the parameters of the select stay bound
        qryPrincipal->open();
        gridModel->markSortColumn(column);
    } catch (const std::exception&) {
        select.setSql(before);
        Prompts::information(kNaoFoiPossivelOrdenar);
    }
}

void RegisterForm::openKey(const QVariant& key) {
    if (qryPrincipal->isEditing())
        return;
    registersql::selectKey(*qryPrincipal, table(), keyField(), key);
}

void RegisterForm::closeForm() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

// --- events ---

void RegisterForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The register's keys come before the keys a focused control would keep for itself (Ctrl+A, Ctrl+Home...).
    ui::putActionKeysFirst(this);
    centreOverWorkspace(this);
    guarded([this] { opening(); });
    if (m_firstFocus)
        m_firstFocus->setFocus();
}

void RegisterForm::closeEvent(QCloseEvent* event) {
    bool may = false;
    guarded([&] { may = mayClose(); });
    if (!may) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
