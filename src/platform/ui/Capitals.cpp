// SPDX-License-Identifier: GPL-3.0-or-later
// Validators that clean typed text: control characters dropped, capitals where asked, a column's width kept.
#include "platform/ui/Capitals.h"

#include "platform/db/ColumnText.h"
#include "platform/ui/FieldLink.h"

namespace ui {

TypedTextValidator::TypedTextValidator(QLineEdit* edit) : QValidator(edit), m_shown(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_shown = text; });
}

QValidator::State TypedTextValidator::validate(QString& input, int& pos) const {
    const QString clean = withoutControls(input);
    if (clean.size() != input.size()) {
        pos -= int(input.left(pos).size() - withoutControls(input.left(pos)).size());
        input = clean;
    }
    if (m_case != Case::AsTyped) {
        // Changing the case keeps the length of the text in the languages the system is used in ("ß" aside), so
        // the cursor stays where it was.
        const QString cased = m_case == Case::Upper ? input.toUpper() : input.toLower();
        if (cased.size() == input.size())
            input = cased;
    }
    if (m_length > 0 && db::columnLength(input) > m_length) {
        // What this change put in: the text between what it kept of the text shown before, at both ends.
        qsizetype from = 0;
        const qsizetype common = std::min(input.size(), m_shown.size());
        while (from < common && input[from] == m_shown[from])
            ++from;
        qsizetype tail = 0;
        while (tail < common - from && input[input.size() - 1 - tail] == m_shown[m_shown.size() - 1 - tail])
            ++tail;
        const qsizetype to = input.size() - tail;
        const qsizetype kept = db::fitInsertion(input, from, to, m_length);
        input.remove(kept, to - kept);
        if (pos > kept)
            pos = int(std::max(kept, pos - (to - kept)));
    }
    return Acceptable;
}

namespace {

// The edit's validator of typed text, made when it has none of that kind.
TypedTextValidator* typedTextOf(QLineEdit* edit) {
    if (auto* existing = qobject_cast<TypedTextValidator*>(const_cast<QValidator*>(edit->validator())))
        return existing;
    auto* made = new TypedTextValidator(edit);
    edit->setValidator(made);
    return made;
}

}  // namespace

void Capitals::install(QLineEdit* edit) { typedTextOf(edit)->setCase(TypedTextValidator::Case::Upper); }

void dropControlsAsTyped(QLineEdit* edit) { typedTextOf(edit); }

void lowerCaseAsTyped(QLineEdit* edit) { typedTextOf(edit)->setCase(TypedTextValidator::Case::Lower); }

int columnLengthOf(const QLineEdit* edit) {
    const auto* typed = qobject_cast<const TypedTextValidator*>(edit->validator());
    return typed ? typed->length() : 0;
}

void setColumnLength(QLineEdit* edit, int length) {
    typedTextOf(edit)->setLength(length);
    edit->setMaxLength(32767);
}

}  // namespace ui
