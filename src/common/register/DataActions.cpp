// SPDX-License-Identifier: GPL-3.0-or-later
// The shared data-entry actions: captions, keys and their scope.
#include "common/register/DataActions.h"

#include "common/Guard.h"
#include "platform/db/DataSet.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/ToolBars.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

QAction* makeScopedAction(QWidget* owner, const char* objectName, const QString& caption,
                          const QList<QKeySequence>& keys) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setToolTip(caption);
    action->setStatusTip(caption);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    owner->addAction(action);
    return action;
}

QAction* makeDataAction(QWidget* owner, DataAction which, const char* objectName) {
    using K = QKeySequence;
    struct Shape {
        QString caption;
        QList<QKeySequence> keys;
    };
    const Shape shape = [which]() -> Shape {
        switch (which) {
        case DataAction::Append: return {QStringLiteral("Novo"), {K(Qt::CTRL | Qt::Key_Insert)}};
        case DataAction::Edit: return {QStringLiteral("Alterar"), {K(Qt::CTRL | Qt::Key_A)}};
        case DataAction::Delete: return {QStringLiteral("Excluir"), {K(Qt::CTRL | Qt::Key_Delete)}};
        case DataAction::Refresh: return {QStringLiteral("Atualizar"), {K(Qt::CTRL | Qt::Key_F5)}};
        case DataAction::Post:
            return {QStringLiteral("Gravar"),
                    {K(Qt::CTRL | Qt::ALT | Qt::Key_Return), K(Qt::CTRL | Qt::ALT | Qt::Key_Enter)}};
        case DataAction::Cancel: return {QStringLiteral("Cancelar"), {K(Qt::CTRL | Qt::Key_Backspace)}};
        case DataAction::First: return {QStringLiteral("Primeiro"), {K(Qt::CTRL | Qt::Key_Home)}};
        case DataAction::Prior: return {QStringLiteral("Anterior"), {K(Qt::CTRL | Qt::Key_Left)}};
        case DataAction::Next: return {QStringLiteral("Próximo"), {K(Qt::CTRL | Qt::Key_Right)}};
        case DataAction::Last: return {QStringLiteral("Último"), {K(Qt::CTRL | Qt::Key_End)}};
        // Ctrl+P opens the search (one key on two actions would fire neither): printing takes Ctrl+Shift+P.
        case DataAction::Print: return {QStringLiteral("Imprimir..."), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}};
        case DataAction::Search: return {QStringLiteral("Pesquisar"), {K(Qt::CTRL | Qt::Key_P)}};
        case DataAction::Exit: return {QStringLiteral("Sair"), {K(Qt::CTRL | Qt::Key_S)}};
        case DataAction::Information: return {QStringLiteral("Informações..."), {K(Qt::CTRL | Qt::Key_I)}};
        }
        return {};
    }();
    return makeScopedAction(owner, objectName, shape.caption, shape.keys);
}

void updateDataActions(const DataActionSet& a, const db::DataSet& data) {
    const bool editing = data.isEditing();
    const bool onRow = data.isActive() && !editing && data.recNo() >= 0;
    const auto enable = [](QAction* action, bool on) {
        if (action)
            action->setEnabled(on);
    };
    enable(a.append, !editing);
    enable(a.edit, onRow);
    enable(a.remove, onRow);
    enable(a.refresh, !editing);
    enable(a.post, editing);
    enable(a.cancel, editing);
    enable(a.first, onRow && !data.bof());
    enable(a.prior, onRow && !data.bof());
    enable(a.next, onRow && !data.eof());
    enable(a.last, onRow && !data.eof());
    enable(a.search, !editing);
}

void RegisterActions::createRegisterActions(QWidget* owner) {
    actAppend = makeDataAction(owner, DataAction::Append, "actAppend");
    actEdit = makeDataAction(owner, DataAction::Edit, "actEdit");
    actDelete = makeDataAction(owner, DataAction::Delete, "actDelete");
    actRefresh = makeDataAction(owner, DataAction::Refresh, "actRefresh");
    actPost = makeDataAction(owner, DataAction::Post, "actPost");
    actCancel = makeDataAction(owner, DataAction::Cancel, "actCancel");
    actFirst = makeDataAction(owner, DataAction::First, "actFirst");
    actPrior = makeDataAction(owner, DataAction::Prior, "actPrior");
    actNext = makeDataAction(owner, DataAction::Next, "actNext");
    actLast = makeDataAction(owner, DataAction::Last, "actLast");
    actPrint = makeDataAction(owner, DataAction::Print, "actPrint");
    actPesquisar = makeDataAction(owner, DataAction::Search, "actPesquisar");
    actSair = makeDataAction(owner, DataAction::Exit, "actSair");
    actInformation = makeDataAction(owner, DataAction::Information, "actInformation");
}

void RegisterActions::moveThrough(db::DataSet* data) const {
    onTriggered(actFirst, [data] { data->first(); });
    onTriggered(actPrior, [data] { data->prior(); });
    onTriggered(actNext, [data] { data->next(); });
    onTriggered(actLast, [data] { data->last(); });
}

QToolBar* RegisterActions::makeToolBar(QWidget* parent, const QString& objectName,
                                       const QList<QAction*>& besideSearch) const {
    QToolBar* bar = ui::makeToolBar(parent, objectName);
    bar->addActions({actAppend, actEdit, actDelete, actRefresh});
    bar->addSeparator();
    bar->addActions({actPost, actCancel});
    bar->addSeparator();
    bar->addActions({actFirst, actPrior, actNext, actLast});
    bar->addSeparator();
    bar->addActions(QList<QAction*>{actPrint, actPesquisar} + besideSearch);
    bar->addSeparator();
    bar->addAction(actSair);
    return bar;
}
