// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
// Data-aware controls: a link ties one control to one field of a db::DataSet. The control shows the field
// of the current row, is editable only while the data set is inserting or editing, and writes into the
// field as the user types or chooses. Links live as children of their control.

#include "platform/db/DataSet.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace ui {

// How a line edit's text becomes a field value. Empty text is always a null value.
enum class ValueKind {
    Text,
    Integer,  // a text that is no whole number is kept as typed and left to the server to refuse
    Decimal,  // decimal comma ("12,5"), shown with the comma
    Digits,   // a text of digits (a postal code): a value stored in another layout ("70000-000", " 70000000 ")
              // shows its digits, every one of them; the field keeps it so until the user types
};

class FieldLink : public QObject {
    Q_OBJECT
public:
    FieldLink(QWidget* control, db::DataSet* data, QString field);

    db::DataSet* dataSet() const { return m_data; }
    const QString& field() const { return m_field; }
    QWidget* control() const { return m_control; }

    // A control that never edits its field (a key made by the system), whatever the data set's state.
    void setAlwaysReadOnly(bool on);

    // Whether the user may change the field through the control now.
    bool writable() const;

    // Shows the current row's value and the editable state again.
    void refresh();

protected:
    // The field's value, null when the data set is closed, has no current row or lacks the field.
    QVariant value() const;
    // Writes a value the user gave into the field; ignored unless writable.
    void write(const QVariant& value);
    bool showing() const { return m_showing; }

    virtual void display(const QVariant& value) = 0;
    virtual void setWritable(bool on) = 0;

    // Swallows the mouse and the keys that would change a control without a read-only mode of its own
    // (check boxes, combo boxes) while it is not writable; moving focus on stays possible.
    void blockInputWhileReadOnly();
    // Writes the value of the item the user chooses in `combo`; while read only, shows the field again.
    void writeOnActivated(QComboBox* combo, std::function<QVariant(int index)> valueOf);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFieldChanged(const QString& name);

    QWidget* m_control;
    QPointer<db::DataSet> m_data;
    QString m_field;
    bool m_alwaysReadOnly = false;
    bool m_showing = false;
    bool m_writing = false;
};

// `text` without NUL and the other control characters a paste can bring into a text control, nor the
// direction embeddings, overrides and isolates (U+202A to U+202E, U+2066 to U+2069) and the invisible marks
// (zero-width spaces and joiners, direction marks U+200B to U+200F, the byte order mark U+FEFF, the soft
// hyphen U+00AD) that make a name read otherwise than it is stored; a memo keeps its tabs and line breaks.
QString withoutControls(const QString& text, bool keepTabsAndLineBreaks = false);

class LineEditLink : public FieldLink {
    Q_OBJECT
public:
    LineEditLink(QLineEdit* edit, db::DataSet* data, const QString& field, ValueKind kind);

protected:
    void display(const QVariant& value) override;
    void setWritable(bool on) override;

private:
    QLineEdit* m_edit;
    ValueKind m_kind;
};

class MemoLink : public FieldLink {
    Q_OBJECT
public:
    // `maxLength` caps the text at the column's width in characters (db::columnLength); 0: no cap.
    MemoLink(QPlainTextEdit* memo, db::DataSet* data, const QString& field, int maxLength = 0);

    int maxLength() const { return m_maxLength; }

protected:
    void display(const QVariant& value) override;
    void setWritable(bool on) override;

private:
    void mendTyped();

    QPlainTextEdit* m_memo;
    int m_maxLength;
    int m_typedAt = 0, m_typed = 0;  // where the last change put text, and how much
    bool m_mending = false;
};

// A check box storing one text when ticked and another when clear; a value that is neither shows clear. A stored
// value is matched as db::sameText() compares ("inativo ", "Inativo" tick a box storing "INATIVO").
class CheckBoxLink : public FieldLink {
    Q_OBJECT
public:
    CheckBoxLink(QCheckBox* box, db::DataSet* data, const QString& field, QString checkedValue, QString uncheckedValue);

protected:
    void display(const QVariant& value) override;
    void setWritable(bool on) override;

private:
    QCheckBox* m_box;
    QString m_checked, m_unchecked;
};

// A combo box whose item texts are the stored values; an editable one also stores what is typed. A stored value
// shows the item that is the same text to db::sameText() ("fisica" shows "FÍSICA"); the field keeps the stored
// value until the user chooses an item.
class ComboBoxLink : public FieldLink {
    Q_OBJECT
public:
    ComboBoxLink(QComboBox* combo, db::DataSet* data, const QString& field);

protected:
    void display(const QVariant& value) override;
    void setWritable(bool on) override;

private:
    QComboBox* m_combo;
};

// A look-up combo: lists the rows of another result by their shown field and stores the chosen row's key
// field into the data set's field. A value that is in no row of the list shows no choice.
class LookupComboLink : public FieldLink {
    Q_OBJECT
public:
    LookupComboLink(QComboBox* combo, db::DataSet* data, const QString& field, QString listKeyField,
                    QString listShownField);

    // The rows offered, read once (a query's rows); rows without the two fields offer nothing ...
    void setList(const db::RowSet& rows);
    // ... or followed: the list is read again whenever the list data set's rows change.
    void setListDataSet(db::DataSet* list);

    // The key of the row shown, null when none is.
    QVariant currentKey() const;

protected:
    void display(const QVariant& value) override;
    void setWritable(bool on) override;

private:
    QComboBox* m_combo;
    QString m_listKey, m_listShown;
    QPointer<db::DataSet> m_listData;
};

LineEditLink* bindLineEdit(QLineEdit* edit, db::DataSet* data, const QString& field, ValueKind kind = ValueKind::Text);
MemoLink* bindMemo(QPlainTextEdit* memo, db::DataSet* data, const QString& field, int maxLength = 0);
CheckBoxLink* bindCheckBox(QCheckBox* box, db::DataSet* data, const QString& field, const QString& checkedValue,
                           const QString& uncheckedValue);
ComboBoxLink* bindComboBox(QComboBox* combo, db::DataSet* data, const QString& field);
LookupComboLink* bindLookupCombo(QComboBox* combo, db::DataSet* data, const QString& field, const QString& listKeyField,
                                 const QString& listShownField);

// The index of the combo box's item that is the same text as `text` to db::sameText(); -1 for none or a blank text.
int itemMatching(const QComboBox* combo, const QString& text);

// The link a control was bound with, or null.
FieldLink* linkOf(QWidget* control);

// The grey of a control or grid column that shows but never edits.
QColor readOnlyColour();
void setReadOnlyLook(QWidget* control);

}  // namespace ui
