// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of a professional's schedule lists (working hours, impediments and extra hours): the weekday
// names and whether a new entry may join its list.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <optional>

// One row of a schedule list: the unit where it applies, the days it runs from and to, the daily start and
// end times and, for working hours, the weekday's name.
struct ScheduleEntry {
    QVariant unit{};
    QString unitName{};
    QDate firstDay{};
    QDate lastDay{};
    QTime start{};
    QTime end{};
    QString weekday{};
};

// The weekday names, Sunday first, as the boxes show them and `dia_semana` keeps them.
const QStringList& weekdayNames();

// An entry whose first day is after its last day, or whose start is after its end (equal values run forward).
bool isReversed(const ScheduleEntry& entry);

// Whether `entry` meets some row of `rows`: they share a day and a moment (ends included, to the second)
// and, when `weekdays` is given (working hours), the row's weekday is one of them (blanks, case and accents
// aside, as the weekday's key is looked up). The unit plays no part;
// a row whose own range is reversed never meets anything.
bool conflicts(const ScheduleEntry& entry, const QList<ScheduleEntry>& rows,
               const std::optional<QStringList>& weekdays = std::nullopt);
