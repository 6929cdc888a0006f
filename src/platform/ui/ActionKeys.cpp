// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut override that lets a window's actions take their keys from the focused control, and the keys
// of tool-bar actions.
#include "platform/ui/ActionKeys.h"

#include <QAction>
#include <QActionEvent>
#include <QKeyEvent>
#include <QToolBar>
#include <QWidget>

namespace ui {

namespace {

// The caption without its mnemonic marks ("&&" stands for "&").
QString plainCaption(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

// Gives an action of a tool bar without a key of its own its caption's mnemonic as its key, and its key in
// its tool tip; changing the action brings its ActionChanged back here, where nothing is left to change.
void keyAndTip(QAction* action) {
    if (action->isSeparator() || action->text().isEmpty())
        return;
    QList<QKeySequence> keys = action->shortcuts();
    if (keys.isEmpty()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        if (!mnemonic.isEmpty()) {
            keys << mnemonic;
            action->setShortcuts(keys);
        }
    }
    QString tip = plainCaption(action->text());
    if (!keys.isEmpty())
        tip += QStringLiteral(" (%1)").arg(keys.first().toString(QKeySequence::NativeText));
    if (action->toolTip() != tip)
        action->setToolTip(tip);
}

class KeysFirst : public QObject {
public:
    explicit KeysFirst(QWidget* owner) : QObject(owner), m_owner(owner) {
        for (QWidget* child : owner->findChildren<QWidget*>())
            child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return actionKeyFirst(m_owner, event) || QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_owner;
};

class ToolBarKeys : public QObject {
public:
    explicit ToolBarKeys(QToolBar* bar) : QObject(bar) {
        for (QAction* action : bar->actions())
            keyAndTip(action);
        bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged)
            keyAndTip(static_cast<QActionEvent*>(event)->action());
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

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

void putActionKeysFirst(QWidget* owner) { new KeysFirst(owner); }

void showActionKeys(QToolBar* bar) { new ToolBarKeys(bar); }

}  // namespace ui
