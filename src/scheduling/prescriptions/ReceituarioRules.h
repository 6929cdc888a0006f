// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the prescriptions over plain values: putting a text in front of the prescription, and the
// lines of the prescription sheet.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace scheduling {
inline const QString kClickNovoOuAlterar =
    QStringLiteral("Click em \"Novo\" para inserir um novo texto ou \"Alterar\" para alterar o texto atual!");
inline const QString kFaltaPeso = QStringLiteral("Falta selecionar o peso.");
}  // namespace scheduling

// The prescription's text with `inserted` directly in front of `current`, or the refusal: kClickNovoOuAlterar
// while the prescription is not being inserted or edited, kFaltaPeso for a weight text with no weight chosen
// (`inserted` none).
struct TextInsertion {
    QString text;
    QString refusal;  // empty when the text was built
};
TextInsertion insertText(bool editing, const std::optional<QString>& inserted, const QString& current);

// What a prescription sheet prints, taken when the sheet is made.
struct ReceituarioSheet {
    QVariant ownerId, animalId, attendanceId;
    QString ownerName, animalName, unitName, text;
    QDateTime attendanceAt;
};

// The sheet's body: owner, attendance, the prescription's text, animal.
QStringList sheetLines(const ReceituarioSheet& sheet);
