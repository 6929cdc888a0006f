// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that fit a window into the work area and centre it.
#include "common/WindowPlacement.h"

#include <algorithm>

QSize fittedSize(const QSize& size, const QSize& minimum, const QSize& room) {
    return size.boundedTo(room).expandedTo(minimum);
}

QRect centredWithin(const QSize& frame, const QRect& over, const QRect& bounds) {
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(over.center());
    // Into the bounds: first past the right and bottom edges, then the left and top ones win.
    placed.moveLeft(std::max(bounds.left(), std::min(placed.left(), bounds.right() - frame.width() + 1)));
    placed.moveTop(std::max(bounds.top(), std::min(placed.top(), bounds.bottom() - frame.height() + 1)));
    return placed;
}
