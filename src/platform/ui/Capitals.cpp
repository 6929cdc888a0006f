// SPDX-License-Identifier: GPL-3.0-or-later
// Validators that clean typed text: control characters dropped, capitals where asked.
#include "platform/ui/Capitals.h"

#include "platform/ui/FieldLink.h"

namespace ui {

QValidator::State TypedTextValidator::validate(QString& input, int& pos) const {
    const QString clean = withoutControls(input);
    if (clean.size() != input.size()) {
        pos -= int(input.left(pos).size() - withoutControls(input.left(pos)).size());
        input = clean;
    }
    if (m_capitals) {
        // Upper-casing keeps the length of the text in the languages the system is used in ("ß" aside), so
        // the cursor stays where it was.
        const QString upper = input.toUpper();
        if (upper.size() == input.size())
            input = upper;
    }
    return Acceptable;
}

void Capitals::install(QLineEdit* edit) { edit->setValidator(new TypedTextValidator(true, edit)); }

void dropControlsAsTyped(QLineEdit* edit) { edit->setValidator(new TypedTextValidator(false, edit)); }

}  // namespace ui
