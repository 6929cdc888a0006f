#include "common/FormOpening.h"

#include "common/Session.h"
#include "platform/db/Query.h"

#include <QAction>
#include <QHash>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>

namespace {

QPointer<QMdiArea> g_workspace;

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

void setWorkspace(QMdiArea* area) { g_workspace = area; }
QMdiArea* workspace() { return g_workspace; }

void showForm(QWidget* form, ShowAs how) {
    form->setAttribute(Qt::WA_DeleteOnClose, true);
    if (how == ShowAs::MdiChild && g_workspace) {
        QMdiSubWindow* sub = g_workspace->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose, true);
        sub->show();
        form->show();
    } else {
        form->setWindowFlag(Qt::Window, true);
        form->show();
    }
}

void setWindowButtons(QWidget* form, Qt::WindowFlags buttons) {
    if (buttons.testFlag(Qt::WindowSystemMenuHint))
        buttons |= Qt::WindowCloseButtonHint;
    QWidget* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()) ? form->parentWidget() : form;
    const Qt::WindowFlags kind = window == form ? Qt::Window : Qt::SubWindow;
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons);
    window->show();  // a change of flags hides the window
}

void centreOverWorkspace(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()); sub && sub->mdiArea()) {
        const QRect area = sub->mdiArea()->viewport()->rect();
        sub->move(std::max(0, (area.width() - sub->width()) / 2), std::max(0, (area.height() - sub->height()) / 2));
    } else if (form->isWindow() && g_workspace && g_workspace->isVisible()) {
        const QWidget* area = g_workspace->viewport();
        QRect frame = form->frameGeometry();
        frame.moveCenter(area->mapToGlobal(area->rect().center()));
        form->move(frame.topLeft());
    }
}

bool applyFormRights(QWidget* form, int formId, const RightsHiding& hiding) {
    db::Query q;
    q << " select id_perfil,id_form, visualizar, incluir, alterar, excluir, imprimir "
      << " from perfil_form "
      << " where id_perfil = :perfil "
      << " and id_form = :form ";
    q.bind("perfil", PerfilLogado.trimmed().toInt()).bind("form", formId);
    q.open();
    if (q.isEmpty())
        return false;
    auto refused = [&](const char* right) { return q.str(QString::fromLatin1(right)).trimmed() == QLatin1String("N"); };
    if (refused("incluir")) hide(form, hiding.incluir);
    if (refused("alterar")) hide(form, hiding.alterar);
    if (refused("excluir")) hide(form, hiding.excluir);
    if (refused("imprimir")) hide(form, hiding.imprimir);
    hide(form, hiding.shownWithRow, true);
    return true;
}

void registerOpener(const QString& actionName, FormOpener opener) { openers().insert(actionName, std::move(opener)); }
FormOpener openerFor(const QString& actionName) { return openers().value(actionName); }

namespace {
QHash<int, FormOpener>& reportStarters() {
    static QHash<int, FormOpener> table;
    return table;
}
}  // namespace

void registerReportStarter(int tag, FormOpener start) { reportStarters().insert(tag, std::move(start)); }
FormOpener reportStarterFor(int tag) { return reportStarters().value(tag); }
