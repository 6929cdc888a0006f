// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typed text cleaned as it arrives: search boxes and capitals-only edits drop the control and
// direction-override characters that a paste can bring (withoutControls), as the data-aware edits do, and a
// capitals-only edit also turns what is typed or pasted to upper case.

#include <QLineEdit>
#include <QValidator>

namespace ui {

class TypedTextValidator : public QValidator {
    Q_OBJECT
public:
    TypedTextValidator(bool capitals, QObject* parent) : QValidator(parent), m_capitals(capitals) {}
    State validate(QString& input, int& pos) const override;

private:
    bool m_capitals;
};

struct Capitals {
    // Makes `edit` upper-case what is typed and drop control characters; an earlier validator is replaced.
    static void install(QLineEdit* edit);
};

// Makes a search box drop control characters as they are typed or pasted; an earlier validator is replaced.
void dropControlsAsTyped(QLineEdit* edit);

}  // namespace ui
