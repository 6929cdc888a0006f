// SPDX-License-Identifier: GPL-3.0-or-later
// The weekday names and the conflict rule of the schedule lists.

#include "registers/ScheduleConflict.h"

#include "platform/db/Database.h"

#include <algorithm>

const QStringList& weekdayNames() {
    static const QStringList names{QStringLiteral("Domingo"), QStringLiteral("Segunda"), QStringLiteral("Terça"),
                                   QStringLiteral("Quarta"),  QStringLiteral("Quinta"),  QStringLiteral("Sexta"),
                                   QStringLiteral("Sabado")};
    return names;
}

bool isReversed(const ScheduleEntry& e) { return e.firstDay > e.lastDay || e.start > e.end; }

bool conflicts(const ScheduleEntry& entry, const QList<ScheduleEntry>& rows,
               const std::optional<QStringList>& weekdays) {
    for (const ScheduleEntry& row : rows) {
        if (isReversed(row))
            continue;
        const bool shareDay = entry.firstDay <= row.lastDay && row.firstDay <= entry.lastDay;
        const bool shareMoment = entry.start <= row.end && row.start <= entry.end;
        const bool sameWeekday = !weekdays || std::any_of(weekdays->begin(), weekdays->end(), [&](const QString& day) {
            return db::fold(day.trimmed()) == db::fold(row.weekday.trimmed());
        });
        if (shareDay && shareMoment && sameWeekday)
            return true;
    }
    return false;
}
