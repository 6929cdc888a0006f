// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the attendance locator shows a chosen attendance in: the agenda that opened it, known to the locator
// only through this, so that neither includes the other.

class QVariant;

class AttendanceTarget {
public:
    virtual ~AttendanceTarget() = default;
    virtual void showAttendance(const QVariant& id) = 0;  // the list of that attendance alone
};
