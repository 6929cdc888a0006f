// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A refused field of the owner and animal forms is coloured yellow until the operator leaves it.

#include <QWidget>

// Colours the control yellow; leaving it gives it back its colour (see resetColourOnLeave).
void markRefused(QWidget* control);
// Makes leaving the control give it back the colour it had before it was refused.
void resetColourOnLeave(QWidget* control);
