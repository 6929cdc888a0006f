// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace report {

// The system's printed form of a value: dates as dd/MM/yyyy (a date-time shows its time unless it is
// midnight), times as HH:mm:ss, numbers with a decimal comma and no grouping.
// A format overrides this: a Qt date-time pattern for dates and times ("dd/MM/yyyy HH:mm"), or a number
// mask for numbers ("0.00", "#,##0.00": decimals from the zeros after the point, grouping by the comma).
QString formatValue(const QVariant& value, const QString& format = {});

}  // namespace report
