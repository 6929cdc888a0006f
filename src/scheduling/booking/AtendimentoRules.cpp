// SPDX-License-Identifier: GPL-3.0-or-later
// The attendance booking's checks and its time box.
#include "scheduling/booking/AtendimentoRules.h"

#include "platform/db/Query.h"

#include <QRegularExpression>

using namespace scheduling;

std::optional<QTime> parseHour(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = shape.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    if (hour >= 24 || minute >= 60)
        return std::nullopt;
    return QTime(hour, minute);
}

QString hourText(const QVariant& dateTime) {
    if (dateTime.isNull())
        return {};
    const QDateTime value = db::toDateTime(dateTime);
    return value.isValid() ? value.time().toString(QStringLiteral("HH:mm")) : QString();
}

std::optional<BookingRefusal> bookingRefusal(const BookingEntry& entry) {
    if (!parseHour(entry.hour))
        return BookingRefusal{BookingControl::Hora, kHoraInvalida};
    if (!entry.status)
        return BookingRefusal{BookingControl::Status, kFaltaStatus};
    if (!entry.owner)
        return BookingRefusal{BookingControl::Proprietario, kFaltaProprietario};
    if (!entry.animal)
        return BookingRefusal{BookingControl::Animal, kFaltaAnimal};
    if (!entry.unit)
        return BookingRefusal{BookingControl::Unidade, kFaltaUnidade};
    return std::nullopt;
}
