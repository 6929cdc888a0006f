// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar held as wide as its buttons.
#include "platform/ui/ToolBars.h"

#include "platform/ui/ActionKeys.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QToolBar>

namespace ui {

namespace {

// Sets the bar's minimum width to what its buttons and separators need whenever its layout is asked again.
class ActionsInSight : public QObject {
public:
    explicit ActionsInSight(QToolBar* bar) : QObject(bar), m_bar(bar) {
        bar->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_bar && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show))
            update();
        return false;
    }

private:
    void update() {
        int labels = 0;
        for (QAction* action : m_bar->actions())
            if (const auto* label = qobject_cast<const QLabel*>(m_bar->widgetForAction(action)))
                labels += label->sizeHint().width();
        const int needed = m_bar->sizeHint().width() - labels;
        if (needed != m_bar->minimumWidth())
            m_bar->setMinimumWidth(needed);
    }

    QToolBar* m_bar;
};

}  // namespace

QToolBar* makeToolBar(QWidget* parent, const QString& objectName) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    new ActionsInSight(bar);
    showActionKeys(bar);
    return bar;
}

}  // namespace ui
