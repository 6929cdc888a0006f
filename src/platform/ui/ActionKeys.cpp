// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut override that lets a window's actions take their keys from the focused control.
#include "platform/ui/ActionKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

bool actionKeyFirst(const QWidget* owner, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (QAction* action : owner->actions()) {
        if (action->isEnabled() && action->isVisible() && action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace ui
