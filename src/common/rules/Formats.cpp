// SPDX-License-Identifier: GPL-3.0-or-later
// The system's fixed formats: the locale the program runs under and the texts of dates and numbers.
#include "common/rules/Formats.h"

#include <QLocale>
#include <QRegularExpression>

namespace fmt {

void installLocale() {
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

QString date(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }
QString date(const QDateTime& d) { return d.isValid() ? date(d.date()) : QString(); }

QString dateTime(const QDateTime& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : QString();
}

QDate parseDate(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto m = shape.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QString decimal(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

bool parseDecimal(const QString& text, double* value) {
    static const QRegularExpression shape(QStringLiteral("^\\s*-?\\d+(,\\d+)?\\s*$"));
    if (!shape.match(text).hasMatch())
        return false;
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && value)
        *value = v;
    return ok;
}

}  // namespace fmt
