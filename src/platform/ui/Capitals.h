#pragma once
// Capitals-only edits: what is typed or pasted is turned to upper case as it arrives.

#include <QLineEdit>
#include <QValidator>

namespace ui {

class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

struct Capitals {
    // Makes `edit` upper-case what is typed; an earlier validator of the edit is replaced.
    static void install(QLineEdit* edit);
};

}  // namespace ui
