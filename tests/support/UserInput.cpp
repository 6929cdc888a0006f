// SPDX-License-Identifier: GPL-3.0-or-later
// A clerk's clicks, keys and popup choices as real input events, for the tests that drive forms.
#include "UserInput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace input {

namespace {

QPoint middleOr(QWidget* widget, QPoint at) { return at == QPoint(-1, -1) ? widget->rect().center() : at; }

bool reachable(QWidget* widget, const char* what) {
    if (!widget) {
        ADD_FAILURE() << what << ": no such control";
        return false;
    }
    if (!widget->isVisible() || !widget->isEnabled()) {
        ADD_FAILURE() << what << " '" << widget->objectName().toStdString() << "' is "
                      << (widget->isVisible() ? "disabled" : "hidden") << ": a clerk cannot reach it";
        return false;
    }
    return true;
}

// The key a keyboard sends for a character: letters, digits and signs of Latin-1 have keys of their own,
// anything else arrives as text.
int keyOf(QChar c) {
    const QChar upper = c.toUpper();
    if (upper.unicode() >= 0x20 && upper.unicode() < 0x100 && upper.unicode() != 0x7f)
        return upper.unicode();
    return Qt::Key_unknown;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

}  // namespace

void activate(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isVisible())
        window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    settle();
}

QWidget* focused() { return QApplication::focusWidget(); }

void click(QWidget* widget, QPoint at) {
    if (!reachable(widget, "click"))
        return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, middleOr(widget, at));
    settle();
}

void doubleClick(QWidget* widget, QPoint at) {
    if (!reachable(widget, "double click"))
        return;
    const QPoint p = middleOr(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, p);
    settle();
}

void clickButton(QAbstractButton* button) {
    if (!reachable(button, "button"))
        return;
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(keyOf(c)), QString(c), Qt::NoModifier);
    }
    settle();
}

void clickAndType(QWidget* box, const QString& text) {
    if (!reachable(box, "type into"))
        return;
    activate(box);
    click(box);
    if (QApplication::focusWidget() == nullptr)
        box->setFocus(Qt::MouseFocusReason);  // a window the platform would not activate: the click's focus
    type(box, text);
}

void retype(QWidget* box, const QString& text) {
    clickAndType(box, QString());
    pressKey(box, Qt::Key_A, Qt::ControlModifier);
    pressKey(box, Qt::Key_Delete);
    type(box, text);
}

void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == widget->window()
                          ? QApplication::focusWidget()
                          : widget;
    QTest::keyClick(target, key, modifiers);
    settle();
}

void pressEnter(QWidget* widget) { pressKey(widget, Qt::Key_Return); }

void chooseItem(QComboBox* combo, int index) {
    if (!reachable(combo, "combo"))
        return;
    if (index < 0 || index >= combo->count()) {
        ADD_FAILURE() << "combo '" << combo->objectName().toStdString() << "' has no item " << index;
        return;
    }
    activate(combo);
    // A click on an editable combo's text only places the cursor: its list opens on the arrow, at the right.
    const QPoint opener =
        combo->isEditable() ? QPoint(combo->width() - 6, combo->height() / 2) : combo->rect().center();
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, opener);
    settle();
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) {
        ADD_FAILURE() << "the list of combo '" << combo->objectName().toStdString() << "' did not open";
        return;
    }
    const QModelIndex item = combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(item);  // as the clerk scrolls a long list to the item
    // The middle of what the list shows of the item: a list narrower than its items cuts them at its edge.
    const QPoint at = view->visualRect(item).intersected(view->viewport()->rect()).center();
    // The list ignores a release that comes sooner than a double click after the click that opened it
    // unless the mouse travelled over the list first, as a hand does.
    QTest::mouseMove(view->viewport(), QPoint(1, 1));
    QTest::mouseMove(view->viewport(), QPoint(view->viewport()->width() - 2, view->viewport()->height() - 2));
    QElapsedTimer waited;
    waited.start();
    do {
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
        if (!view->isVisible())
            return;
        QTest::qWait(50);
    } while (waited.elapsed() < 2 * QApplication::doubleClickInterval() + 500);
    ADD_FAILURE() << "the list of combo '" << combo->objectName().toStdString() << "' took no click";
    combo->hidePopup();
}

void chooseItem(QComboBox* combo, const QString& text) {
    if (!combo) {
        ADD_FAILURE() << "combo: no such control";
        return;
    }
    const int index = combo->findText(text);
    if (index < 0) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        ADD_FAILURE() << "combo '" << combo->objectName().toStdString() << "' has no item '" << text.toStdString()
                      << "'; it has: " << items.join(QStringLiteral(" | ")).toStdString();
        return;
    }
    chooseItem(combo, index);
}

void turnToPage(QWidget* widget) {
    QList<QPair<QTabWidget*, QWidget*>> pages;  // innermost first
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
            pages.prepend({tabs, w});
    }
    for (const auto& [tabs, page] : pages) {
        const int index = tabs->indexOf(page);
        if (tabs->currentIndex() != index)
            click(tabs->tabBar(), tabs->tabBar()->tabRect(index).center());
    }
}

}  // namespace input
