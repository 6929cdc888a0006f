// SPDX-License-Identifier: GPL-3.0-or-later
// The yellow of a refused field and its reset when the operator leaves the field.
#include "registry/shared/FieldMarks.h"

#include <QCoreApplication>
#include <QEvent>
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
