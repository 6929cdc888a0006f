// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The agenda's weekly grid: the half-hour slots of the working day, the dated titles of a week and the
// counts of a week's attendances per weekday and slot. Plain values only; the form paints them.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace WeekGrid {

constexpr int kSlots = 22;
constexpr int kDays = 7;  // columns 1 "Segunda" .. 7 "Domingo"

const QStringList& slotLabels();   // "07:00" .. "19:00"; no 14:30, 15:00 nor 16:00
const QStringList& plainTitles();  // "Segunda" .. "Domingo"

// The columns' widths in a grid whose viewport is `room` wide: each column as wide as given (64 for the
// slots, then 115, 106, 101, 107, 99, 99, 117 for Segunda .. Domingo) or as its texts `need`, and the room
// left over shared among the day columns, the odd pixels to the last ones.
QList<int> spreadWidths(const QList<int>& need, int room);

// The slot (1 .. 22) whose label is at or before `time` and whose next label (19:30 after the last) is
// after it; 0 before 07:00 and from 19:30 on.
int slotOf(const QTime& time);

// The Sunday on or before the first day of an epidemiological week: the week the grid shows and counts.
QDate weekSunday(const QDate& firstDay);

// The seven titles of the week starting on `sunday`: column k is "Segunda dd/mm/yyyy" for sunday + 1 up to
// "Domingo dd/mm/yyyy" for sunday + 7.
QStringList datedTitles(const QDate& sunday);

struct Counts {
    int cell[kDays][kSlots] = {};  // [column - 1][slot - 1]; the Domingo column stays 0
    int total = 0;                 // every time of the week, those in no cell included
};

// A moment of the week and the attendances booked at it.
struct Moment {
    Moment(const QDateTime& at, int attendances = 1) : at(at), attendances(attendances) {}
    QDateTime at;
    int attendances;
};

// Counts the attendances of the moments in [sunday, sunday + 7): Monday to Saturday in their slot, every one
// in the total.
Counts count(const QList<Moment>& moments, const QDate& sunday);

}  // namespace WeekGrid
