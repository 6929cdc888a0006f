#include "platform/ui/Capitals.h"

namespace ui {

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    // Upper-casing keeps the length of the text in the languages the system is used in ("ß" aside), so the
    // cursor stays where it was.
    const QString upper = input.toUpper();
    if (upper.size() == input.size())
        input = upper;
    return Acceptable;
}

void Capitals::install(QLineEdit* edit) {
    edit->setValidator(new UpperCaseValidator(edit));
}

}  // namespace ui
