// SPDX-License-Identifier: GPL-3.0-or-later
// Counts, shares and chart data of the registry's period reports.

#include "registry/reports/AnimalReportsRules.h"

QString shareText(int count, int total) {
    const double percent = total > 0 ? 100.0 * count / total : 0.0;
    return QStringLiteral("%1 - %2%").arg(count).arg(QString::number(percent, 'f', 2).replace('.', ','));
}

QList<ChartData::Series> attendancesPerDay(const QList<int>& units, const QMap<int, QString>& names,
                                           const QList<UnitDayCount>& counts) {
    QList<ChartData::Series> series;
    for (int unit : units) {
        QMap<QDate, int> perDay;
        for (const UnitDayCount& c : counts)
            if (c.unit == unit && c.day.isValid() && c.count > 0)
                perDay[c.day] += c.count;
        ChartData::Series s;
        s.name = names.value(unit, QStringLiteral("Unidade %1").arg(unit)).trimmed();
        for (auto it = perDay.begin(); it != perDay.end(); ++it)
            s.days << std::pair{it.key(), it.value()};
        series << s;
    }
    return series;
}
