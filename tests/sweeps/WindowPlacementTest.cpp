// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that fit a window into the work area and centre it, as a table.
#include "common/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, FitsIntoTheRoomButNotBelowWhatTheContentsNeed) {
    struct Case {
        QSize size, minimum, room, expected;
    } cases[] = {
        {{640, 420}, {300, 200}, {1366, 700}, {640, 420}},     // fits as it is
        {{1384, 760}, {1200, 500}, {1366, 700}, {1366, 700}},  // too big: shrunk to the room
        {{1384, 760}, {1380, 720}, {1366, 700}, {1380, 720}},  // its contents cannot go smaller
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittedSize(c.size, c.minimum, c.room), c.expected) << c.size.width() << "x" << c.size.height();
}

TEST(WindowPlacement, CentresOverTheOpenerAndStaysInsideTheArea) {
    const QRect area(0, 40, 1366, 700);
    struct Case {
        QSize frame;
        QRect over;
        QPoint expected;
    } cases[] = {
        {{400, 300}, area, {483, 240}},                        // centred over the work area
        {{200, 100}, QRect(100, 100, 400, 300), {200, 200}},   // centred over the window that opened it
        {{400, 300}, QRect(0, 40, 200, 100), {0, 40}},         // an opener in the corner: pushed inside
        {{400, 300}, QRect(1200, 600, 166, 140), {966, 440}},  // an opener at the far corner: pulled inside
        {{1500, 800}, area, {0, 40}},                          // bigger than the area: its top-left corner shows
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredWithin(c.frame, c.over, area), QRect(c.expected, c.frame))
            << c.frame.width() << " over " << c.over.x() << "," << c.over.y();
}
