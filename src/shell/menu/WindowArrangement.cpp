// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles of the window arrangements of the main menu.

#include "shell/menu/WindowArrangement.h"

#include <algorithm>

namespace {

// Where share `i` of `count` begins along a length: the shares differ by one at most and fill the length.
int shareStart(int length, int count, int i) { return int(qint64(length) * i / count); }

}  // namespace

QList<QRect> stackedRects(int count, const QRect& area) {
    QList<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + shareStart(area.height(), count, i);
        const int next = area.top() + shareStart(area.height(), count, i + 1);
        rects << QRect(area.left(), top, area.width(), next - top);
    }
    return rects;
}

QList<QRect> sideBySideRects(int count, const QRect& area) {
    QList<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int left = area.left() + shareStart(area.width(), count, i);
        const int next = area.left() + shareStart(area.width(), count, i + 1);
        rects << QRect(left, area.top(), next - left, area.height());
    }
    return rects;
}

QList<QRect> iconRects(int count, const QRect& area, const QSize& icon) {
    QList<QRect> rects;
    if (icon.isEmpty())
        return rects;
    const int perRow = std::max(1, area.width() / icon.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        const int top = area.top() + area.height() - (row + 1) * icon.height();
        rects << QRect(QPoint(area.left() + column * icon.width(), top), icon);
    }
    return rects;
}
