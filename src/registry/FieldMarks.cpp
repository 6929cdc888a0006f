// SPDX-License-Identifier: GPL-3.0-or-later
// The yellow of a refused field and its reset when the operator leaves the field.
#include "registry/FieldMarks.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QVariant>

namespace {

const char* const kSaved = "nurvPaletteBeforeRefusal";

void restore(QWidget* control) {
    const QVariant saved = control->property(kSaved);
    if (!saved.isValid())
        return;
    control->setPalette(saved.value<QPalette>());
    control->setProperty(kSaved, QVariant());
}

class ColourReset : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut)
            if (auto* w = qobject_cast<QWidget*>(watched))
                restore(w);
        return false;
    }
};

}  // namespace

void markRefused(QWidget* control) {
    if (!control->property(kSaved).isValid())
        control->setProperty(kSaved, QVariant::fromValue(control->palette()));
    QPalette yellow = control->palette();
    yellow.setColor(QPalette::Base, Qt::yellow);
    yellow.setColor(QPalette::Button, Qt::yellow);
    control->setPalette(yellow);
}

void resetColourOnLeave(QWidget* control) {
    static ColourReset* filter = new ColourReset(qApp);
    control->installEventFilter(filter);
}

bool pageKeyFirst(const QWidget* page, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (QAction* action : page->actions()) {
        if (action->isEnabled() && action->isVisible() && action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return false;
}
