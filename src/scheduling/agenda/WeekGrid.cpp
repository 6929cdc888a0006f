// SPDX-License-Identifier: GPL-3.0-or-later
// Slots, titles and counts of the agenda's weekly grid.
#include "scheduling/agenda/WeekGrid.h"

namespace WeekGrid {

namespace {

const QTime kLastBoundary(19, 30);

}  // namespace

const QStringList& slotLabels() {
    static const QStringList labels{"07:00", "07:30", "08:00", "08:30", "09:00", "09:30", "10:00", "10:30",
                                    "11:00", "11:30", "12:00", "12:30", "13:00", "13:30", "14:00", "15:30",
                                    "16:30", "17:00", "17:30", "18:00", "18:30", "19:00"};
    return labels;
}

const QStringList& plainTitles() {
    static const QStringList titles{QStringLiteral("Segunda"), QStringLiteral("Terça"), QStringLiteral("Quarta"),
                                    QStringLiteral("Quinta"),  QStringLiteral("Sexta"), QStringLiteral("Sabado"),
                                    QStringLiteral("Domingo")};
    return titles;
}

int slotOf(const QTime& time) {
    if (!time.isValid() || time >= kLastBoundary)
        return 0;
    const QTime t(time.hour(), time.minute());
    int found = 0;
    for (int i = 0; i < kSlots; ++i)
        if (QTime::fromString(slotLabels()[i], QStringLiteral("HH:mm")) <= t)
            found = i + 1;
    return found;
}

QDate weekSunday(const QDate& firstDay) { return firstDay.addDays(-(firstDay.dayOfWeek() % 7)); }

QList<int> spreadWidths(const QList<int>& need, int room) {
    static const int given[kDays + 1] = {64, 115, 106, 101, 107, 99, 99, 117};
    QList<int> widths;
    int used = 0;
    for (int c = 0; c <= kDays; ++c) {
        widths << std::max(given[c], need.value(c));
        used += widths.last();
    }
    const int left = std::max(0, room - used);
    for (int k = 1; k <= kDays; ++k)
        widths[k] += left / kDays + (k > kDays - left % kDays ? 1 : 0);
    return widths;
}

QStringList datedTitles(const QDate& sunday) {
    QStringList titles;
    for (int k = 1; k <= kDays; ++k)
        titles << plainTitles()[k - 1] + QLatin1Char(' ') + sunday.addDays(k).toString(QStringLiteral("dd/MM/yyyy"));
    return titles;
}

Counts count(const QList<Moment>& moments, const QDate& sunday) {
    Counts c;
    const QDateTime from(sunday, QTime(0, 0)), to(sunday.addDays(7), QTime(0, 0));
    for (const Moment& m : moments) {
        if (m.at < from || m.at >= to)
            continue;
        c.total += m.attendances;
        const int day = m.at.date().dayOfWeek();  // Monday 1 .. Sunday 7
        const int slot = slotOf(m.at.time());
        if (day <= 6 && slot > 0)
            c.cell[day - 1][slot - 1] += m.attendances;
    }
    return c;
}

}  // namespace WeekGrid
