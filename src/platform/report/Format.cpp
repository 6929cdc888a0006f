// SPDX-License-Identifier: GPL-3.0-or-later
// The printed text of a value by its type: dates, date-times, numbers with a decimal comma.
#include "platform/report/Format.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

namespace report {

namespace {

const QLocale& brazil() {
    static const QLocale locale = [] {
        QLocale l(QLocale::Portuguese, QLocale::Brazil);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale;
}

bool isNumberMask(const QString& format) {
    for (QChar c : format) {
        if (c != QLatin1Char('#') && c != QLatin1Char('0') && c != QLatin1Char(',') && c != QLatin1Char('.'))
            return false;
    }
    return !format.isEmpty();
}

QString formatNumber(double value, const QString& mask) {
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(mask.size() - point - 1);
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    if (!mask.contains(QLatin1Char(',')))
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

}  // namespace

QString formatValue(const QVariant& value, const QString& format) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::QString:
        if (!format.isEmpty() && isNumberMask(format)) {
            bool ok = false;
            const double number = value.toString().toDouble(&ok);
            if (ok)
                return formatNumber(number, format);
        }
        return value.toString();
    case QMetaType::QDate: return value.toDate().toString(format.isEmpty() ? QStringLiteral("dd/MM/yyyy") : format);
    case QMetaType::QTime: return value.toTime().toString(format.isEmpty() ? QStringLiteral("HH:mm:ss") : format);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (!format.isEmpty())
            return dt.toString(format);
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        if (isNumberMask(format))
            return formatNumber(value.toDouble(), format);
        return brazil().toString(value.toDouble(), 'g', 15);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        if (isNumberMask(format))
            return formatNumber(value.toDouble(), format);
        return value.toString();
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return value.toString();
    }
}

}  // namespace report
