// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QList>

struct EpiWeek {
    int week;
    QDate first;  // a Sunday
    QDate last;   // the Saturday after it
};

// The epidemiological weeks of a year: Sunday to Saturday, week 1 being the week that holds 4 January;
// the days before it belong to the last week of the year before.
QList<EpiWeek> epiWeeksOfYear(int year);
