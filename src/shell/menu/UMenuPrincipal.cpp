// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its menu built for the logged-in profile, its status panels and its work area.
#include "shell/menu/UMenuPrincipal.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Process.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "shell/menu/MenuModel.h"
#include "shell/menu/MenuSql.h"
#include "shell/menu/WindowArrangement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>

namespace {
const char* kTag = "Tag";
}

TfrmMenuPrincipal::TfrmMenuPrincipal(QWidget* parent) : QMainWindow(parent), m_mdi(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmMenuPrincipal"));
    setWindowTitle(QStringLiteral("Nurvalia - NURV"));
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    setWorkspace(m_mdi);

    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[3] = {200, 300, 50};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        if (i < 2)
            m_panels[i]->setAlignment(Qt::AlignCenter);
        bar->addWidget(m_panels[i], i == 1 ? 1 : 0);
    }

    buildMenu();

    auto* configura = new QAction(QStringLiteral("actConfiguraMenu"), this);
    configura->setObjectName(QStringLiteral("actConfiguraMenu"));
    connect(configura, &QAction::triggered, this, [this] { configuraMenu(); });
    m_actions.insert(configura->objectName(), configura);

    auto* carteira = new QAction(QStringLiteral("041 - &Carteira de Identificação..."), this);
    carteira->setObjectName(QStringLiteral("actCarteiraIdentificacao"));
    onTriggered(carteira, [this] { open(QStringLiteral("actCarteiraIdentificacao")); });
    m_actions.insert(carteira->objectName(), carteira);
}

void TfrmMenuPrincipal::buildMenu() {
    QMenu* current = nullptr;
    QMenu* top = nullptr;
    for (const MenuEntry& e : mainMenuEntries()) {
        switch (e.kind) {
        case MenuEntry::MenuBegin:
            top = current = menuBar()->addMenu(e.caption);
            current->menuAction()->setProperty(kTag, -1);
            break;
        case MenuEntry::SubmenuBegin:
            current = top->addMenu(e.caption);
            current->menuAction()->setProperty(kTag, -1);
            break;
        case MenuEntry::SubmenuEnd: current = top; break;
        case MenuEntry::Separator: {
            QAction* separator = current->addSeparator();
            separator->setProperty(kTag, e.tag);
            m_menuItems << separator;
            break;
        }
        case MenuEntry::Action: {
            auto* a = current->addAction(e.caption);
            a->setObjectName(e.actionName);
            a->setProperty(kTag, e.tag);
            m_actions.insert(e.actionName, a);
            m_menuItems << a;
            break;
        }
        }
    }

    onTriggered(action(QStringLiteral("actSair")), [this] {
        if (closeForms())
            endProcess(0);
    });
    connect(action(QStringLiteral("WindowCascade1")), &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(action(QStringLiteral("WindowTileHorizontal1")), &QAction::triggered, this, [this] { tile(stackedRects); });
    connect(action(QStringLiteral("WindowTileVertical1")), &QAction::triggered, this,
            [this] { tile(sideBySideRects); });
    connect(action(QStringLiteral("WindowMinimizeAll1")), &QAction::triggered, m_mdi, [this] {
        for (auto* w : m_mdi->subWindowList())
            w->showMinimized();
    });
    connect(action(QStringLiteral("WindowArrange1")), &QAction::triggered, this, &TfrmMenuPrincipal::arrangeIcons);
    connect(action(QStringLiteral("WindowClose1")), &QAction::triggered, m_mdi, &QMdiArea::closeActiveSubWindow);

    for (auto* a : std::as_const(m_menuItems)) {
        if (!a->isSeparator() && opensForm(a->objectName())) {
            const QString name = a->objectName();
            onTriggered(a, [this, name] { open(name); });
        }
    }
}

void TfrmMenuPrincipal::tile(QList<QRect> (*places)(int count, const QRect& area)) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (w->isVisible() && !w->isMinimized())
            windows << w;
    const QList<QRect> rects = places(int(windows.size()), m_mdi->viewport()->rect());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

void TfrmMenuPrincipal::arrangeIcons() {
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (w->isVisible() && w->isMinimized())
            icons << w;
    if (icons.isEmpty())
        return;
    const QList<QRect> rects = iconRects(int(icons.size()), m_mdi->viewport()->rect(), icons.first()->size());
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(rects[i].topLeft());
}

bool TfrmMenuPrincipal::closeForms(const QWidget* keep) {
    // The MDI windows, then the windows of their own: forms, search dialogs, previews.
    QList<QPointer<QWidget>> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (w->isVisible())
            windows << w;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w != this && w != keep && w->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
            windows << w;  // tool tips and pop-up lists come and go by themselves
    }
    // Every form with a row being typed is asked first: one the clerk keeps keeps every window open.
    for (const QPointer<QWidget>& w : std::as_const(windows)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(w.data());
        if (auto* asks = dynamic_cast<AsksBeforeClosing*>(sub ? sub->widget() : w.data());
            asks && !asks->askBeforeClosing())
            return false;
    }
    // Closing one may free others (its own dialogs), so each is looked at again when its turn comes.
    const ClosingAnswered answered;
    for (const QPointer<QWidget>& w : std::as_const(windows))
        if (w && w->isVisible() && !w->close())
            return false;
    return true;
}

bool TfrmMenuPrincipal::event(QEvent* event) {
    // The status bar's panels show the session: a hovered action's status tip would hide them, and its
    // text already shows as the action's tool tip.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TfrmMenuPrincipal::closeEvent(QCloseEvent* event) {
    if (!closeForms()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TfrmMenuPrincipal::open(const QString& actionName) {
    if (FormOpener opener = openerFor(actionName))
        opener();
}

void TfrmMenuPrincipal::configuraMenu() {
    auto fail = [] {
        Prompts::error(QStringLiteral("Erro de autenticação de usuário.\nTente logar novamente."));
        endProcess(1);
    };
    if (PerfilLogado == QLatin1String("1000")) {
        for (auto* a : std::as_const(m_menuItems))
            a->setEnabled(true);
    } else {
        for (const QString* v :
             {&UsuarioLogado, &PerfilLogado, &UnidadeLogada, &NomeUsuarioLogado, &LoginUsuarioLogado}) {
            if (v->trimmed().isEmpty())
                fail();
        }
        QList<ProfileFormRow> rows;
        try {
            rows = menusql::menuRows(PerfilLogado.trimmed().toInt());
        } catch (const std::exception&) {
            fail();
        }
        const QSet<int> granted = grantedTags(rows);
        for (auto* a : std::as_const(m_menuItems)) {
            const int tag = a->property(kTag).toInt();
            a->setEnabled(tag == -1 || granted.contains(tag));
        }
    }
    m_panels[0]->setText(sessionPanelUser(UsuarioLogado, NomeUsuarioLogado, NomePerfilLogado));
    m_panels[1]->setText(sessionPanelUnit(UnidadeLogada, NomeUnidadeLogada));
}

void TfrmMenuPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded([this] { configuraMenu(); });
    // The first showing writes the panels its own way; a later login leaves them as the configuration wrote.
    m_panels[0]->setText(statusPanelUnit(NomeUnidadeLogada));
    m_panels[1]->setText(statusPanelUser(NomeUsuarioLogado, NomePerfilLogado));
}
