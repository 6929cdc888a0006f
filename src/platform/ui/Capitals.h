// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typed text cleaned as it arrives: search boxes and capitals-only edits drop the control and
// direction-override characters that a paste can bring (withoutControls), as the data-aware edits do, and a
// capitals-only edit also turns what is typed or pasted to upper case (an e-mail box to lower case). A box as
// wide as a column takes what the column holds (db::columnLength), a paste cut between whole characters.

#include <QLineEdit>
#include <QValidator>

namespace ui {

class TypedTextValidator : public QValidator {
    Q_OBJECT
public:
    enum class Case { AsTyped, Upper, Lower };
    // Follows `edit`'s text, so that it knows what each change inserted.
    explicit TypedTextValidator(QLineEdit* edit);
    State validate(QString& input, int& pos) const override;

    void setCase(Case c) { m_case = c; }
    void setLength(int characters) { m_length = characters; }
    int length() const { return m_length; }

private:
    Case m_case = Case::AsTyped;
    int m_length = 0;  // 0: no limit
    QString m_shown;   // the edit's text before the change being validated
};

struct Capitals {
    // Makes `edit` upper-case what is typed and drop control characters; an earlier validator of another kind
    // is replaced.
    static void install(QLineEdit* edit);
};

// Makes a search box drop control characters as they are typed or pasted; an earlier validator of another kind
// is replaced.
void dropControlsAsTyped(QLineEdit* edit);
// Makes an e-mail box lower-case what is typed and drop control characters, as dropControlsAsTyped() does.
void lowerCaseAsTyped(QLineEdit* edit);

// Lets `edit` take at most `length` characters as a column counts them, with the control characters dropped:
// what would pass it is cut from what was typed or pasted, between whole characters (a paste keeps its head, a
// key typed into a full box does nothing). The edit's own maxLength, which counts UTF-16 units and would cut a
// character in two, is not used.
void setColumnLength(QLineEdit* edit, int length);
// The width setColumnLength() gave `edit`; 0 for none.
int columnLengthOf(const QLineEdit* edit);

}  // namespace ui
