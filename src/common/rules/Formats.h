// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formats the system fixes whatever the machine's locale: dates dd/mm/yyyy, decimal comma.

#include <QDate>
#include <QDateTime>
#include <QString>

namespace fmt {

void installLocale();  // the process-wide settings of the start-up

QString date(const QDate& d);  // dd/mm/yyyy, empty for a null date
QString date(const QDateTime& d);
QString dateTime(const QDateTime& d);  // dd/mm/yyyy hh:nn:ss
QDate parseDate(const QString& text);  // invalid date when the text is not dd/mm/yyyy
QString decimal(double value, int decimals);
bool parseDecimal(const QString& text, double* value);  // "12,5"; false when it is no number

}  // namespace fmt
