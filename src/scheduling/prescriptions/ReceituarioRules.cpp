// SPDX-License-Identifier: GPL-3.0-or-later
// The prescriptions' rules.
#include "scheduling/prescriptions/ReceituarioRules.h"

#include "common/rules/Formats.h"

using namespace scheduling;

TextInsertion insertText(bool editing, const std::optional<QString>& inserted, const QString& current) {
    if (!editing)
        return {current, kClickNovoOuAlterar};
    if (!inserted)
        return {current, kFaltaPeso};
    return {*inserted + current, {}};
}

QStringList sheetLines(const ReceituarioSheet& s) {
    const auto text = [](const QVariant& v) { return v.isNull() ? QString() : v.toString(); };
    return {QStringLiteral("Proprietário : ") + text(s.ownerId) + QStringLiteral(" - ") + s.ownerName,
            QStringLiteral("Atendimento nº: ") + text(s.attendanceId) + QStringLiteral("     Data/Hora atend.:") +
                fmt::dateTime(s.attendanceAt),
            s.text, QStringLiteral("Animal: ") + text(s.animalId) + QStringLiteral(" - ") + s.animalName};
}
