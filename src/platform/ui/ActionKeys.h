// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's own action keys come before the keys a focused control would keep for itself (Ctrl+A,
// Ctrl+Home...): its event filter on every child asks actionKeyFirst() first.

class QEvent;
class QWidget;

namespace ui {

// True (and the event ignored, so the shortcut fires) when `event` is a shortcut override for a key one of
// `owner`'s enabled and visible actions answers.
bool actionKeyFirst(const QWidget* owner, QEvent* event);

}  // namespace ui
