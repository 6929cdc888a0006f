#include "platform/ui/EnterAsTab.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

void EnterAsTab::install(QWidget* control) {
    static EnterAsTab* filter = new EnterAsTab(qApp);
    control->installEventFilter(filter);
    // An editable combo box's line edit takes the keys first.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (auto* w = qobject_cast<QWidget*>(watched)) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(w, &tab);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
