// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Masked line edits (hours, phones, postal codes) as a clerk uses them: a click anywhere in the box and then
// typing fills it from where typing can go on, never from a place past the end where no key is taken.

#include <QString>

namespace ui {

// Where typing goes on in a masked box showing `shown` under `inputMask` (Qt's mask syntax, "99:99;_"):
// just after the last slot filled, or at the first slot when none is.
int typingPosition(const QString& inputMask, const QString& shown);

// Watches every masked line edit of the application: a click that puts the cursor past typingPosition()
// moves it back there.
void installMaskedClick();

}  // namespace ui
