// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the attendance booking, over plain values: the time box and the order of the save's checks.

#include <QString>
#include <QTime>
#include <optional>

namespace scheduling {
inline const QString kHoraInvalida = QStringLiteral("Falta preencher a hora do atendimento ou hora invalida!");
inline const QString kFaltaStatus = QStringLiteral("Falta selecionar o status.");
inline const QString kFaltaProprietario = QStringLiteral("Falta selecionar o proprietário.");
inline const QString kFaltaAnimal = QStringLiteral("Falta selecionar o animal.");
inline const QString kFaltaUnidade = QStringLiteral("Falta selecionar a unidade de trabalho.");
}  // namespace scheduling

// The time typed as "hh:mm" (00:00 to 23:59, two digits each, blanks around ignored); none otherwise.
std::optional<QTime> parseHour(const QString& text);

// What the time box shows for a stored date-time: hh:mm, "00:00" at midnight; empty for none.
QString hourText(const QVariant& dateTime);

// What the operator has filled in when saving an attendance.
struct BookingEntry {
    QString hour;
    bool status = false;
    bool owner = false;
    bool animal = false;
    bool unit = false;
};

enum class BookingControl { Hora, Status, Proprietario, Animal, Unidade };

struct BookingRefusal {
    BookingControl control;  // where the focus goes
    QString message;
};

// The first check the entry fails, in the save's order (time, status, owner, animal, unit); none when it
// may be saved.
std::optional<BookingRefusal> bookingRefusal(const BookingEntry& entry);
