// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window goes: inside the work area, centred over the area or over the window that opened it.
// Plain rectangles, so the rules are tested without windows.

#include <QRect>
#include <QSize>

// `size` shrunk to fit `room`, never below `minimum` (what the window's contents need).
QSize fittedSize(const QSize& size, const QSize& minimum, const QSize& room);

// The place of a frame of `frame` size centred over `over` and moved as little as needed to lie inside
// `bounds`; a frame bigger than `bounds` keeps its top-left corner at the corner of `bounds`.
QRect centredWithin(const QSize& frame, const QRect& over, const QRect& bounds);
