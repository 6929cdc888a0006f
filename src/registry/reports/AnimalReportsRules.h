// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the registry's period reports work out without a database: a count with its share of a total,
// the data of a chart, and the attendances of each unit counted per day.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// "3 - 75,00%": the count and its percentage of `total` with two decimals and a comma; "0 - 0,00%" when
// the total is 0.
QString shareText(int count, int total);

// The data one chart of the consolidated report draws: slices or bars by name, or lines of counts by day.
struct ChartData {
    enum class Kind { Pie, Bar, Lines };
    QString title;
    Kind kind = Kind::Pie;
    QList<std::pair<QString, int>> values;  // pie and bar: name and count
    struct Series {
        QString name;
        QList<std::pair<QDate, int>> days;  // in day order
    };
    QList<Series> series;  // lines
};

// How many attendances a unit has on a day, as the attendances chart reads them.
struct UnitDayCount {
    int unit;
    QDate day;
    int count;
};

// A series for each unit of `units`, in that order, named by `names` (or "Unidade N"), holding the number of
// its attendances on each day that has any, in day order.
QList<ChartData::Series> attendancesPerDay(const QList<int>& units, const QMap<int, QString>& names,
                                           const QList<UnitDayCount>& counts);
