// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab through a window as its layout reads: row by row and left to right, the controls of a group or page
// together, whatever order the controls were made in; and Tab always goes on (a grid keeps it for no cell, a
// memo types no tab character).

#include <QList>

class QWidget;

namespace ui {

// The controls under `root` that Tab stops at, in the order `root`'s layouts place them: a grid layout row by
// row, a form layout label before field, a box layout in its direction, a page control's tabs before its
// pages; controls placed by hand, by their position.
QList<QWidget*> layoutTabOrder(QWidget* root);

// Gives the focus to the first control of layoutTabOrder(`root`) that can take it now, a page control's tabs
// aside, unless the focus is on a control under `root` already.
void focusFirstControl(QWidget* root);

// Makes layoutTabOrder() `root`'s Tab chain, and lets the grids and memos under it pass Tab on, and a page
// control whose tabs are hidden too.
void chainTabsByLayout(QWidget* root);

}  // namespace ui
