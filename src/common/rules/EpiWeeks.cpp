// SPDX-License-Identifier: GPL-3.0-or-later
// The epidemiological week of a day and the first day of a week, over plain dates.
#include "common/rules/EpiWeeks.h"

namespace {

QDate firstSunday(int year) {
    const QDate jan4(year, 1, 4);
    return jan4.addDays(-(jan4.dayOfWeek() % 7));  // Qt: Monday 1 .. Sunday 7
}

}  // namespace

QList<EpiWeek> epiWeeksOfYear(int year) {
    QList<EpiWeek> weeks;
    const QDate end = firstSunday(year + 1);
    int n = 1;
    for (QDate d = firstSunday(year); d < end; d = d.addDays(7))
        weeks.append({n++, d, d.addDays(6)});
    return weeks;
}
