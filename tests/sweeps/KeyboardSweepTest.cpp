// SPDX-License-Identifier: GPL-3.0-or-later
// Every form the menu opens and every window it leads to, worked from the keyboard: each opens with the focus
// on one of its controls; Tab, pressed on every page, goes through the page's controls row by row and left to
// right, each one on screen, and comes back to where it started; every tool-bar action answers a key of its
// own, which its tool tip says, wherever the focus is on its page.
#include "FormSweep.h"

#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

#include <algorithm>

namespace {

QString nameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// What a control shows of itself: its rectangle in its window, cut by every widget around it.
QRect shownPart(const QWidget* w) {
    const QWidget* window = w->window();
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    return shown;
}

bool sameRow(const QRect& a, const QRect& b) {
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap >= std::min(a.height(), b.height()) / 2;
}

// Whether Tab from `a` to `b` reads on: to the right on the same row, down to a later row, or up to the top of
// the next column, to the right of `a`.
bool readsOn(const QRect& a, const QRect& b) {
    if (sameRow(a, b))
        return b.left() >= a.left();
    return b.center().y() > a.center().y() || b.left() >= a.right();
}

// Swallows the shortcut event that a key sends an action, so that the key is seen to reach it and the action
// does nothing.
class ShortcutCatcher : public QObject {
public:
    explicit ShortcutCatcher(QAction* action) : m_action(action) { action->installEventFilter(this); }
    ~ShortcutCatcher() override {
        if (m_action)
            m_action->removeEventFilter(this);
    }
    bool caught = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return false;
        caught = !static_cast<QShortcutEvent*>(event)->isAmbiguous();
        return true;
    }

private:
    QPointer<QAction> m_action;
};

}  // namespace

class KeyboardSweep : public FormSweep {
protected:
    // Presses Tab from the focus until it comes back: every stop on screen and read in order, the only step
    // back the one from the last control to the first.
    static void walkTabs(QWidget* window, const QString& where, QStringList& faults) {
        QWidget* start = input::focused();
        if (!start || !window->isAncestorOf(start)) {
            faults << where + QStringLiteral(": the focus is outside the window");
            return;
        }
        QList<QWidget*> stops{start};
        int stepsBack = 0;
        QStringList backs;
        for (int i = 0; i < 120; ++i) {
            QWidget* from = stops.last();
            QTest::keyClick(from, Qt::Key_Tab);
            QWidget* to = input::focused();
            if (to == from) {
                if (hasOtherStop(window, from))
                    faults << where + QStringLiteral(": Tab stays on ") + nameOf(from);
                return;
            }
            if (!to || !window->isAncestorOf(to)) {
                faults << where + QStringLiteral(": Tab leaves the window from ") + nameOf(from);
                return;
            }
            const QRect shown = shownPart(to);
            if (shown.width() < 4 || shown.height() < 4)
                faults << where + QStringLiteral(": Tab stops on %1, which is not seen").arg(nameOf(to));
            if (!readsOn(shownPart(from), shown)) {
                ++stepsBack;
                backs << nameOf(from) + QStringLiteral(" > ") + nameOf(to);
            }
            if (to == start) {
                if (stepsBack > 1)
                    faults << where + QStringLiteral(": Tab reads back at ") + backs.join(QStringLiteral(", "));
                return;
            }
            stops << to;
        }
        faults << where + QStringLiteral(": Tab does not come back to ") + nameOf(start);
    }

    static bool hasOtherStop(const QWidget* window, const QWidget* stop) {
        for (const QWidget* w : window->findChildren<QWidget*>())
            if (w != stop && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                return true;
        return false;
    }

    // Each page of each page control, in turn.
    static void walkEveryPage(QWidget* window, const QString& name, QStringList& faults) {
        walkTabs(window, name, faults);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabEnabled(i) || !tabs->isTabVisible(i) || tabs->tabBar()->isHidden())
                    continue;
                input::turnToPage(tabs->widget(i));
                if (tabs->currentIndex() == i)
                    walkTabs(window, name + QStringLiteral(" \"%1\"").arg(tabs->tabText(i)), faults);
            }
        }
    }

    // Every tool-bar action's key, pressed with the window narrowed, wherever its button then is (the bars of the
    // forms keep their buttons in sight; a bar's overflow is tried on a bare bar in the platform's tests).
    static void pressKeys(QWidget* window, const QString& name, QStringList& faults) {
        QWidget* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()) ? window->parentWidget() : window;
        frame->resize(320, frame->height());
        QCoreApplication::processEvents();
        for (QToolBar* bar : window->findChildren<QToolBar*>()) {
            input::turnToPage(bar);
            for (QAction* action : bar->actions()) {
                if (action->isSeparator() || !action->isVisible() || qobject_cast<QWidgetAction*>(action))
                    continue;  // a widget on the bar (the owner's name) is no action
                const QString where = name + QLatin1Char('/') + action->objectName();
                if (action->shortcuts().isEmpty()) {
                    faults << where + QStringLiteral(": no key");
                    continue;
                }
                const QKeySequence key = action->shortcuts().first();
                if (!action->toolTip().endsWith(QStringLiteral("(%1)").arg(key.toString(QKeySequence::NativeText))))
                    faults << where +
                                  QStringLiteral(": the tool tip \"%1\" does not say its key").arg(action->toolTip());
                auto* owner = qobject_cast<QWidget*>(action->parent());
                if (!action->isEnabled() || !owner || !owner->isVisible())
                    continue;
                // The focus on the page's first control that takes it, as after a click there.
                for (QWidget* w = owner->nextInFocusChain(); w != owner; w = w->nextInFocusChain()) {
                    if (owner->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
                        (w->focusPolicy() & Qt::TabFocus)) {
                        w->setFocus(Qt::TabFocusReason);
                        break;
                    }
                }
                input::activate(window);
                const ShortcutCatcher catcher(action);
                QTest::keyClick(input::focused() ? input::focused() : owner, key[0].key(), key[0].keyboardModifiers());
                if (!catcher.caught)
                    faults << where +
                                  QStringLiteral(": %1 does not reach it").arg(key.toString(QKeySequence::NativeText));
            }
        }
    }
};

TEST_F(KeyboardSweep, EveryWindowOpensFocusedTabsInReadingOrderAndEveryToolBarActionHasAKey) {
    QStringList faults;
    visitEveryWindow([&](QWidget* window, const QString& name) {
        input::activate(window);
        if (QWidget* focus = input::focused(); !focus || !window->isAncestorOf(focus) || qobject_cast<QTabBar*>(focus))
            faults << name + QStringLiteral(": opens without the focus on a control of its own");
        walkEveryPage(window, name, faults);
        pressKeys(window, name, faults);
    });
    EXPECT_EQ(faults.join(QLatin1Char('\n')).toStdString(), "");
}
