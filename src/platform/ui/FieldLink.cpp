// SPDX-License-Identifier: GPL-3.0-or-later
// The links between controls and fields: each control shows its field and writes it back while editing.
#include "platform/ui/FieldLink.h"

#include "platform/db/ColumnText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

QString decimalText(const QVariant& v) {
    if (v.isNull())
        return {};
    return QString::number(db::toNumber(v), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

QVariant fromText(const QString& text, ValueKind kind) {
    if (text.isEmpty())
        return {};
    bool ok = false;
    switch (kind) {
    case ValueKind::Integer: {
        const int i = text.trimmed().toInt(&ok);
        return ok ? QVariant(i) : QVariant(text);
    }
    case ValueKind::Decimal: {
        QString s = text.trimmed();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        const double d = s.toDouble(&ok);
        return ok ? QVariant(d) : QVariant(text);
    }
    case ValueKind::Text:
    case ValueKind::Digits: break;
    }
    return text;
}

QString shownText(const QVariant& value, ValueKind kind) {
    switch (kind) {
    case ValueKind::Decimal: return decimalText(value);
    case ValueKind::Digits: {
        QString digits;
        for (const QChar c : db::toText(value))
            if (c.isDigit())
                digits += c;
        return digits;
    }
    case ValueKind::Text:
    case ValueKind::Integer: break;
    }
    return db::toText(value);
}

// Writes what the user typed into a line edit without its control characters, the cursor kept in place.
QString typedLine(QLineEdit* edit, const QString& text) {
    const QString clean = withoutControls(text);
    if (clean != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(clean);
        edit->setCursorPosition(cursor - int(text.left(cursor).size() - withoutControls(text.left(cursor)).size()));
    }
    return clean;
}

// A key as db::sameText() compares it; a number needs no folding, which spares a long list the work.
QString comparedKey(const QVariant& key) {
    switch (key.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong: return QString::number(key.toLongLong());
    default: return db::fold(db::toText(key).trimmed());
    }
}

}  // namespace

QString withoutControls(const QString& text, bool keepTabsAndLineBreaks) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool direction = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        const bool invisible = u == 0x00AD || (u >= 0x200B && u <= 0x200F) || u == 0xFEFF;
        const bool kept = keepTabsAndLineBreaks && (c == QLatin1Char('\t') || c == QLatin1Char('\n'));
        if (kept || (c.category() != QChar::Other_Control && !direction && !invisible))
            out += c;
    }
    return out;
}

FieldLink::FieldLink(QWidget* control, db::DataSet* data, QString field)
    : QObject(control), m_control(control), m_data(data), m_field(std::move(field)) {
    connect(data, &db::DataSet::stateChanged, this, &FieldLink::refresh);
    connect(data, &db::DataSet::currentChanged, this, &FieldLink::refresh);
    connect(data, &db::DataSet::rowsChanged, this, &FieldLink::refresh);
    connect(data, &db::DataSet::fieldChanged, this, &FieldLink::onFieldChanged);
}

void FieldLink::setAlwaysReadOnly(bool on) {
    m_alwaysReadOnly = on;
    refresh();
}

bool FieldLink::writable() const { return !m_alwaysReadOnly && m_data && m_data->isEditing(); }

void FieldLink::refresh() {
    const bool was = m_showing;
    m_showing = true;
    display(value());
    setWritable(writable());
    m_showing = was;
}

QVariant FieldLink::value() const {
    if (!m_data || !m_data->isActive() || !m_data->hasField(m_field))
        return {};
    if (!m_data->isEditing() && m_data->recNo() < 0)
        return {};
    return m_data->field(m_field);
}

void FieldLink::write(const QVariant& value) {
    if (m_showing || !writable())
        return;
    m_writing = true;
    try {
        m_data->setField(m_field, value);
    } catch (const std::exception&) {
        // The field vanished under the control (the data set was reopened on another select): nothing to
        // write into.
    }
    m_writing = false;
}

void FieldLink::onFieldChanged(const QString& name) {
    if (!m_writing && name.compare(m_field, Qt::CaseInsensitive) == 0)
        refresh();
}

void FieldLink::blockInputWhileReadOnly() { m_control->installEventFilter(this); }

void FieldLink::writeOnActivated(QComboBox* combo, std::function<QVariant(int)> valueOf) {
    connect(combo, &QComboBox::activated, this, [this, valueOf = std::move(valueOf)](int index) {
        if (showing())
            return;
        if (!writable()) {
            refresh();
            return;
        }
        write(valueOf(index));
    });
}

bool FieldLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_control && !writable()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape: return false;
            default: return true;
            }
        }
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// --- line edit ---

LineEditLink::LineEditLink(QLineEdit* edit, db::DataSet* data, const QString& field, ValueKind kind)
    : FieldLink(edit, data, field), m_edit(edit), m_kind(kind) {
    connect(edit, &QLineEdit::textEdited, this,
            [this](const QString& text) { write(fromText(typedLine(m_edit, text), m_kind)); });
}

void LineEditLink::display(const QVariant& value) {
    const QString text = shownText(value, m_kind);
    if (m_edit->text() != text)
        m_edit->setText(text);
}

void LineEditLink::setWritable(bool on) { m_edit->setReadOnly(!on); }

// --- memo ---

MemoLink::MemoLink(QPlainTextEdit* memo, db::DataSet* data, const QString& field, int maxLength)
    : FieldLink(memo, data, field), m_memo(memo), m_maxLength(maxLength) {
    connect(memo->document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        m_typedAt = position;
        m_typed = showing() || !writable() ? 0 : added;
    });
    connect(memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_mending)
            return;
        mendTyped();
        const QString text = m_memo->toPlainText();
        write(text.isEmpty() ? QVariant() : QVariant(text));
    });
}

// What the user typed or pasted loses its control characters, and what would pass the cap is cut: a paste
// keeps its head, a key typed on a full memo does nothing.
void MemoLink::mendTyped() {
    const int added = std::exchange(m_typed, 0);
    if (added <= 0)
        return;
    const QString text = m_memo->toPlainText();
    const QString inserted = text.mid(m_typedAt, added);
    QString kept = withoutControls(inserted, true);
    if (m_maxLength > 0) {
        const QString whole = text.left(m_typedAt) + kept + text.mid(m_typedAt + inserted.size());
        kept.truncate(db::fitInsertion(whole, m_typedAt, m_typedAt + kept.size(), m_maxLength) - m_typedAt);
    }
    if (kept == inserted)
        return;
    m_mending = true;
    QTextCursor cursor(m_memo->document());
    cursor.setPosition(m_typedAt);
    cursor.setPosition(m_typedAt + int(inserted.size()), QTextCursor::KeepAnchor);
    cursor.insertText(kept);
    m_mending = false;
}

void MemoLink::display(const QVariant& value) {
    const QString text = db::toText(value);
    if (m_memo->toPlainText() != text)
        m_memo->setPlainText(text);
}

void MemoLink::setWritable(bool on) { m_memo->setReadOnly(!on); }

// --- check box ---

CheckBoxLink::CheckBoxLink(QCheckBox* box, db::DataSet* data, const QString& field, QString checkedValue,
                           QString uncheckedValue)
    : FieldLink(box, data, field),
      m_box(box),
      m_checked(std::move(checkedValue)),
      m_unchecked(std::move(uncheckedValue)) {
    blockInputWhileReadOnly();
    connect(box, &QCheckBox::toggled, this, [this](bool on) {
        if (showing())
            return;
        if (!writable()) {
            refresh();  // changed from code while read only: show the field again
            return;
        }
        write(on ? m_checked : m_unchecked);
    });
}

void CheckBoxLink::display(const QVariant& value) { m_box->setChecked(db::sameText(db::toText(value), m_checked)); }

void CheckBoxLink::setWritable(bool) {}

// --- combo box ---

ComboBoxLink::ComboBoxLink(QComboBox* combo, db::DataSet* data, const QString& field)
    : FieldLink(combo, data, field), m_combo(combo) {
    blockInputWhileReadOnly();
    writeOnActivated(combo, [this](int index) { return QVariant(m_combo->itemText(index)); });
    if (QLineEdit* line = combo->lineEdit())
        connect(line, &QLineEdit::textEdited, this, [this, line](const QString& typed) {
            const QString text = typedLine(line, typed);
            write(text.isEmpty() ? QVariant() : QVariant(text));
        });
}

void ComboBoxLink::display(const QVariant& value) {
    const QString text = db::toText(value).trimmed();
    const int index = itemMatching(m_combo, text);
    if (m_combo->isEditable()) {
        if (index >= 0)
            m_combo->setCurrentIndex(index);
        if (m_combo->currentText() != text)
            m_combo->setEditText(text);
    } else {
        m_combo->setCurrentIndex(index);
    }
}

void ComboBoxLink::setWritable(bool on) {
    if (QLineEdit* line = m_combo->lineEdit())
        line->setReadOnly(!on);
}

// --- look-up combo ---

LookupComboLink::LookupComboLink(QComboBox* combo, db::DataSet* data, const QString& field, QString listKeyField,
                                 QString listShownField)
    : FieldLink(combo, data, field),
      m_combo(combo),
      m_listKey(std::move(listKeyField)),
      m_listShown(std::move(listShownField)) {
    blockInputWhileReadOnly();
    writeOnActivated(combo, [this](int index) { return m_combo->itemData(index); });
}

void LookupComboLink::setList(const db::RowSet& rows) {
    // A list without the key or shown field (not opened yet) offers nothing.
    const int key = rows.fieldIndex(m_listKey);
    const int shown = rows.fieldIndex(m_listShown);
    const int count = key >= 0 && shown >= 0 ? rows.count() : 0;
    // The same rows read again leave the list alone: an open list and the item being clicked stay.
    bool same = count == m_combo->count();
    for (int r = 0; same && r < count; ++r)
        same = m_combo->itemText(r) == db::toText(rows.row(r)[shown]) && m_combo->itemData(r) == rows.row(r)[key];
    if (!same) {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        for (int r = 0; r < count; ++r)
            m_combo->addItem(db::toText(rows.row(r)[shown]), rows.row(r)[key]);
    }
    refresh();  // the field's key, shown again when it is in the new list
}

void LookupComboLink::setListDataSet(db::DataSet* list) {
    if (m_listData)
        disconnect(m_listData, nullptr, this, nullptr);
    m_listData = list;
    auto reload = [this] { setList(m_listData ? m_listData->rows() : db::RowSet()); };
    connect(list, &db::DataSet::rowsChanged, this, reload);
    reload();
}

QVariant LookupComboLink::currentKey() const {
    const int index = m_combo->currentIndex();
    return index >= 0 ? m_combo->itemData(index) : QVariant();
}

void LookupComboLink::display(const QVariant& value) {
    int found = -1;
    const QString wanted = value.isNull() ? QString() : comparedKey(value);
    for (int i = 0; i < m_combo->count() && found < 0 && !value.isNull(); ++i) {
        const QVariant key = m_combo->itemData(i);
        if (!key.isNull() && comparedKey(key) == wanted)
            found = i;
    }
    m_combo->setCurrentIndex(found);
}

void LookupComboLink::setWritable(bool) {}

// --- binding ---

namespace {
template <typename Link>
Link* shown(Link* link) {
    link->refresh();
    return link;
}
}  // namespace

LineEditLink* bindLineEdit(QLineEdit* edit, db::DataSet* data, const QString& field, ValueKind kind) {
    return shown(new LineEditLink(edit, data, field, kind));
}

MemoLink* bindMemo(QPlainTextEdit* memo, db::DataSet* data, const QString& field, int maxLength) {
    return shown(new MemoLink(memo, data, field, maxLength));
}

CheckBoxLink* bindCheckBox(QCheckBox* box, db::DataSet* data, const QString& field, const QString& checkedValue,
                           const QString& uncheckedValue) {
    return shown(new CheckBoxLink(box, data, field, checkedValue, uncheckedValue));
}

ComboBoxLink* bindComboBox(QComboBox* combo, db::DataSet* data, const QString& field) {
    return shown(new ComboBoxLink(combo, data, field));
}

LookupComboLink* bindLookupCombo(QComboBox* combo, db::DataSet* data, const QString& field, const QString& listKeyField,
                                 const QString& listShownField) {
    return shown(new LookupComboLink(combo, data, field, listKeyField, listShownField));
}

int itemMatching(const QComboBox* combo, const QString& text) {
    if (text.trimmed().isEmpty())
        return -1;
    for (int i = 0; i < combo->count(); ++i)
        if (db::sameText(combo->itemText(i), text))
            return i;
    return -1;
}

FieldLink* linkOf(QWidget* control) {
    return control ? control->findChild<FieldLink*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QColor readOnlyColour() { return QApplication::palette().color(QPalette::Button); }

void setReadOnlyLook(QWidget* control) {
    QPalette p = control->palette();
    p.setColor(QPalette::Base, readOnlyColour());
    control->setPalette(p);
}

}  // namespace ui
