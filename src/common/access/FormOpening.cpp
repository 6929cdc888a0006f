// SPDX-License-Identifier: GPL-3.0-or-later
// How forms open: the openers of the menu and the rights that hide actions.
#include "common/access/FormOpening.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/access/RightsSql.h"
#include "common/access/Session.h"
#include "platform/db/Database.h"

#include <QAction>
#include <QHash>

#include <utility>

namespace {

QHash<QString, FormOpener>& openers() {
    static QHash<QString, FormOpener> map;
    return map;
}

void hide(QWidget* form, const QStringList& names, bool visible = false) {
    for (const QString& name : names) {
        if (auto* action = form->findChild<QAction*>(name))
            action->setVisible(visible);
        if (auto* widget = form->findChild<QWidget*>(name))
            widget->setVisible(visible);
    }
}

}  // namespace

bool applyFormRights(QWidget* form, int formId, const RightsHiding& hiding) {
    const auto rights = rightssql::formRights(PerfilLogado.trimmed().toInt(), formId);
    if (!rights)
        return false;
    auto refused = [&](const char* right) {
        return db::sameText(rights->value(QString::fromLatin1(right)), QStringLiteral("N"));
    };
    if (refused("incluir"))
        hide(form, hiding.incluir);
    if (refused("alterar"))
        hide(form, hiding.alterar);
    if (refused("excluir"))
        hide(form, hiding.excluir);
    if (refused("imprimir"))
        hide(form, hiding.imprimir);
    hide(form, hiding.shownWithRow, true);
    return true;
}

void registerOpener(const QString& actionName, FormOpener opener) { openers().insert(actionName, std::move(opener)); }
FormOpener openerFor(const QString& actionName) { return openers().value(actionName); }

void bindToMenuAction(QAction* item, const QString& name) {
    QAction* menu = workspace() ? workspace()->window()->findChild<QAction*>(name) : nullptr;
    if (!menu) {
        QObject::connect(item, &QAction::triggered, item, [name] {
            if (FormOpener open = openerFor(name))
                guarded(open);
        });
        return;
    }
    item->setEnabled(menu->isEnabled());
    QObject::connect(menu, &QAction::enabledChanged, item, &QAction::setEnabled);
    QObject::connect(item, &QAction::triggered, menu, [menu] {
        if (menu->isEnabled())  // a withheld item runs nothing
            menu->trigger();
    });
}

namespace {
QHash<int, FormOpener>& reportStarters() {
    static QHash<int, FormOpener> table;
    return table;
}
}  // namespace

void registerReportStarter(int tag, FormOpener start) { reportStarters().insert(tag, std::move(start)); }
FormOpener reportStarterFor(int tag) { return reportStarters().value(tag); }
