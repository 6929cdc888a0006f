// SPDX-License-Identifier: GPL-3.0-or-later
// The Tab chain of a window in the reading order of its layouts.
#include "platform/ui/TabChain.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace ui {

namespace {

class Reader {
public:
    QList<QWidget*> stops;

    // `widget`, when Tab stops at it, then the controls inside it.
    void take(QWidget* widget) {
        if (!widget || widget->isWindow() || m_seen.contains(widget))
            return;
        m_seen.insert(widget);
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())  // a proxy stands for its widget
            stops << widget;
        readInside(widget);
    }

    void readInside(QWidget* widget) {
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            take(tabs->tabBar());
            for (int i = 0; i < tabs->count(); ++i)
                take(tabs->widget(i));
            return;
        }
        if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
            for (int i = 0; i < stack->count(); ++i)
                take(stack->widget(i));
            return;
        }
        if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
            for (int i = 0; i < splitter->count(); ++i)
                take(splitter->widget(i));
            return;
        }
        if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
            take(scroll->widget());
            return;
        }
        if (!isContainer(widget))
            return;  // a control's own parts (a combo's box, a grid's viewport) are the control's
        if (widget->layout())
            readLayout(widget->layout());
        // Controls that no layout places stand where they were put: top to bottom, left to right.
        QList<QWidget*> loose;
        for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!m_seen.contains(child) && !child->isWindow())
                loose << child;
        std::stable_sort(loose.begin(), loose.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        for (QWidget* child : std::as_const(loose))
            take(child);
    }

    void readLayout(QLayout* layout) {
        for (QLayoutItem* item : readingOrder(layout)) {
            if (QWidget* widget = item->widget())
                take(widget);
            else if (QLayout* inner = item->layout())
                readLayout(inner);
        }
    }

private:
    // A widget that holds controls (a page, a group, a frame) rather than being one.
    static bool isContainer(const QWidget* widget) {
        if (qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget) ||
            qobject_cast<const QAbstractSpinBox*>(widget))
            return false;
        return widget->layout() || qobject_cast<const QGroupBox*>(widget) ||
               widget->metaObject() == &QWidget::staticMetaObject || widget->metaObject() == &QFrame::staticMetaObject;
    }

    static QList<QLayoutItem*> readingOrder(QLayout* layout) {
        struct Placed {
            int row, column;
            QLayoutItem* item;
        };
        QList<Placed> placed;
        for (int i = 0; i < layout->count(); ++i) {
            int row = 0, column = i;
            if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
                int rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
                QFormLayout::ItemRole role = QFormLayout::SpanningRole;
                form->getItemPosition(i, &row, &role);
                column = role == QFormLayout::FieldRole ? 1 : 0;
            } else if (auto* box = qobject_cast<QBoxLayout*>(layout);
                       box &&
                       (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop)) {
                column = -i;
            }
            placed << Placed{row, column, layout->itemAt(i)};
        }
        std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
            return std::pair(a.row, a.column) < std::pair(b.row, b.column);
        });
        QList<QLayoutItem*> items;
        for (const Placed& p : std::as_const(placed))
            items << p.item;
        return items;
    }

    QSet<QWidget*> m_seen;
};

}  // namespace

QList<QWidget*> layoutTabOrder(QWidget* root) {
    Reader reader;
    reader.readInside(root);
    return reader.stops;
}

void focusFirstControl(QWidget* root) {
    const QWidget* focus = root->window()->focusWidget();
    if (focus && root->isAncestorOf(focus) && focus->isEnabled() && !qobject_cast<const QTabBar*>(focus))
        return;
    for (QWidget* control : layoutTabOrder(root)) {
        if (control->isVisible() && control->isEnabled() && !qobject_cast<QTabBar*>(control)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void chainTabsByLayout(QWidget* root) {
    // A page control whose tabs are hidden would hold Tab for a tab bar that cannot take the focus.
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
        if (tabs->tabBar()->isHidden())
            tabs->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget*> order = layoutTabOrder(root);
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    for (QWidget* stop : order) {
        if (auto* view = qobject_cast<QAbstractItemView*>(stop))
            view->setTabKeyNavigation(false);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(stop))
            memo->setTabChangesFocus(true);
        else if (auto* text = qobject_cast<QTextEdit*>(stop))
            text->setTabChangesFocus(true);
    }
}

}  // namespace ui
