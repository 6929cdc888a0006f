// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the "&Janelas" menu puts the MDI windows: rectangles worked out from a count and the work area.

#include <QList>
#include <QRect>
#include <QSize>

// "&Dividir na horizontal": one above the other, each the area's full width, the height shared out.
QList<QRect> stackedRects(int count, const QRect& area);

// "&Dividir em vertical": side by side, each the area's full height, the width shared out.
QList<QRect> sideBySideRects(int count, const QRect& area);

// "&Restaurar todas": the icons of minimised windows along the bottom of the area, left to right, a new row
// above the last once a row is full.
QList<QRect> iconRects(int count, const QRect& area, const QSize& icon);
