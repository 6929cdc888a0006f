// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's own action keys come before the keys a focused control would keep for itself (Ctrl+A,
// Ctrl+Home...): an event filter on every child asks actionKeyFirst() first. The actions of a tool bar answer
// their keys wherever their buttons are, and say them in their tool tips.

class QEvent;
class QToolBar;
class QWidget;

namespace ui {

// True (and the event ignored, so the shortcut fires) when `event` is a shortcut override for a key one of
// `owner`'s enabled and visible actions answers.
bool actionKeyFirst(const QWidget* owner, QEvent* event);
// Puts `owner`'s action keys before those of every control under it now, by actionKeyFirst().
void putActionKeysFirst(QWidget* owner);

// Tool-bar actions (those added now and later) without a key of their own answer the mnemonic of their captions
// ("&Marca atendimento..." Alt+M), also from the bar's overflow, and their tool tips read the caption and the
// action's first key: "Novo (Ctrl+Ins)". An action whose mnemonic another control of its page already answers is
// given a key.
void showActionKeys(QToolBar* bar);

}  // namespace ui
