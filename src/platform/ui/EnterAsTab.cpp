// SPDX-License-Identifier: GPL-3.0-or-later
// Enter as Tab in the controls that ask for it, Enter as a press on every focused push button.
#include "platform/ui/EnterAsTab.h"

#include "platform/ui/MaskedEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

// A key press of Enter (Return or the keypad's Enter) without Ctrl or Alt.
bool isPlainEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Watches the whole application: Enter on a focused push button presses it, whatever window holds it.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (isPlainEnter(event)) {
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button && button->hasFocus() && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void installClerkConventions() {
    QCoreApplication::instance()->installEventFilter(new EnterPressesButton(QCoreApplication::instance()));
    installMaskedClick();
}

}  // namespace

// Every program that links this unit gets the button and masked-box behaviour as its application starts.
Q_COREAPP_STARTUP_FUNCTION(installClerkConventions)

void EnterAsTab::install(QWidget* control) {
    static EnterAsTab* filter = new EnterAsTab(qApp);
    control->installEventFilter(filter);
    // An editable combo box's line edit takes the keys first.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
}

void EnterAsTab::pressOnEnter(QLineEdit* box, QAbstractButton* button) {
    QObject::connect(box, &QLineEdit::returnPressed, button, &QAbstractButton::click);
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (isPlainEnter(event)) {
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &tab);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
