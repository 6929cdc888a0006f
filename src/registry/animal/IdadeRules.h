// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birth date estimated from an age in whole years and months, counted back from a day.

#include <QDate>
#include <QString>

// `today` moved back by the months and twelve times the years (calendar months: a day the target month
// lacks becomes its last day). Blank boxes count 0; a box holding anything but digits gives an invalid date.
QDate birthDateFromAge(const QDate& today, const QString& years, const QString& months);
