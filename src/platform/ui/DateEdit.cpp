// SPDX-License-Identifier: GPL-3.0-or-later
// The date entry shared by every date box and picker: reading what was typed, taking or refusing it, the
// arrow keys and the calendar.
#include "platform/ui/DateEdit.h"

#include "platform/ui/FieldNote.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace ui {

namespace {

const QString kFormat = QStringLiteral("dd/MM/yyyy");
const QString kMask = QStringLiteral("99/99/9999;_");

bool blankChar(QChar c) { return c == QLatin1Char('_') || c == QLatin1Char(' '); }

enum Section { Day, Month, Year };

// The section of the text at a cursor position: "dd/" is the day, "mm/" the month, the rest the year.
Section sectionAt(int position) { return position <= 2 ? Day : position <= 5 ? Month : Year; }

QIcon dropDownIcon(const QStyle* style) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.rect = pixmap.rect().adjusted(3, 3, -3, -3);
    option.palette = QApplication::palette();
    option.state = QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter);
    return QIcon(pixmap);
}

}  // namespace

int fullYear(int twoDigits, int upTo) { return upTo - ((upTo - twoDigits) % 100 + 100) % 100; }

DateReading readDate(const QString& text, const DateRules& rules, bool finished) {
    QStringList parts;
    if (text.contains(QLatin1Char('/'))) {
        parts = text.split(QLatin1Char('/'));
    } else {
        QString digits = text;
        digits.removeIf(blankChar);
        parts = {digits.left(2), digits.mid(2, 2), digits.mid(4)};
    }
    if (parts.size() > 3)
        return {DateReading::Impossible, {}};
    while (parts.size() < 3)
        parts << QString();
    bool anyDigit = false;
    bool unfinished = false;
    for (QString& part : parts) {
        bool blankSeen = false;
        QString digits;
        for (const QChar c : std::as_const(part)) {
            if (blankChar(c)) {
                blankSeen = true;
            } else if (c.isDigit()) {
                anyDigit = true;
                unfinished = unfinished || blankSeen;  // a digit left out before this one
                digits += c;
            } else {
                return {DateReading::Impossible, {}};
            }
        }
        part = digits;
    }
    if (!anyDigit)
        return {};
    if (parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() > 4)
        return {DateReading::Impossible, {}};
    // A day or month of one digit and a year of two are whole only once typing is over.
    const int shortest = finished ? 1 : 2;
    const bool twoDigitYear = parts[2].size() == 2;
    if (unfinished || parts[0].size() < shortest || parts[1].size() < shortest ||
        (parts[2].size() < 4 && !twoDigitYear) || (twoDigitYear && !finished))
        return {DateReading::Unfinished, {}};
    int year = parts[2].toInt();
    if (twoDigitYear)
        year = fullYear(year, rules.twoDigitYearsUpTo);
    const QDate date(year, parts[1].toInt(), parts[0].toInt());
    if (!date.isValid() || (rules.minimum.isValid() && date < rules.minimum) ||
        (rules.maximum.isValid() && date > rules.maximum))
        return {DateReading::Impossible, {}};
    return {DateReading::Complete, date};
}

QString refusalReason(const QString& text, const DateRules& rules) {
    const DateReading read = readDate(text, rules, true);
    if (read.kind == DateReading::Unfinished)
        return kDataIncompleta;
    if (read.kind != DateReading::Impossible)
        return {};
    DateRules unbounded;
    unbounded.twoDigitYearsUpTo = rules.twoDigitYearsUpTo;
    if (readDate(text, unbounded, true).kind != DateReading::Complete) {
        QString typed = text;
        return kDataInexistente.arg(typed.remove(QLatin1Char('_')).trimmed());
    }
    const QString from = rules.minimum.toString(kFormat), to = rules.maximum.toString(kFormat);
    return !rules.maximum.isValid()   ? kDataAntesDoPeriodo.arg(from)
           : !rules.minimum.isValid() ? kDataDepoisDoPeriodo.arg(to)
                                      : kDataForaDoPeriodo.arg(from, to);
}

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMask(kMask);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // a date is as wide as a date wherever it is
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_edited = true;
        edited();
    });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_writing && !std::exchange(m_edited, false))
            changedByCode();
    });
}

DateEdit::DateEdit(const QDate& date, QWidget* parent) : DateEdit(parent) {
    m_emptyAllowed = false;
    setCalendarPopup(true);
    setDate(date.isValid() ? date : QDate::currentDate());
}

void DateEdit::setDate(const QDate& date) {
    if (!date.isValid() && !m_emptyAllowed)
        return;
    setRefused(false);
    write(date);
    take(date, false);
}

bool DateEdit::isBlank() const { return readDate(displayText(), {}, true).kind == DateReading::Empty; }

void DateEdit::setDateRange(const QDate& minimum, const QDate& maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

void DateEdit::setCalendarPopup(bool on) {
    if (on == calendarPopup())
        return;
    if (on) {
        m_calendarAction = addAction(dropDownIcon(style()), QLineEdit::TrailingPosition);
        m_calendarAction->setObjectName(QStringLiteral("actCalendario"));
        m_calendarAction->setEnabled(isEnabled() && !isReadOnly());
        connect(m_calendarAction, &QAction::triggered, this, &DateEdit::openCalendar);
    } else {
        delete std::exchange(m_calendarAction, nullptr);
    }
    updateGeometry();
}

// Wide enough for a date (and the calendar's button) rather than for the seventeen characters of a line edit.
QSize DateEdit::sizeHint() const {
    QSize size = QLineEdit::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    size.rwidth() +=
        metrics.horizontalAdvance(QStringLiteral("00/00/00000")) - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return size;
}

QSize DateEdit::minimumSizeHint() const { return sizeHint(); }

DateRules DateEdit::rules() const {
    DateRules rules;
    rules.minimum = m_minimum;
    rules.maximum = m_maximum;
    return rules;
}

// What the clerk typed: a complete date is taken at once, an impossible one refused at once; anything else
// waits for the clerk to go on or to leave.
void DateEdit::edited() {
    setRefused(false);
    const DateReading typed = readDate(displayText(), rules(), false);
    if (typed.kind == DateReading::Complete)
        take(typed.date, true);
    else if (typed.kind == DateReading::Impossible)
        refuse(displayText());
    else if (m_emptyAllowed)
        take({}, true);  // a box that may stay empty holds no date while its text is none
}

void DateEdit::changedByCode() {
    setRefused(false);
    const DateReading shown = readDate(displayText(), rules(), true);
    if (shown.kind == DateReading::Complete)
        take(shown.date, false);
    else if (m_emptyAllowed)
        take({}, false);
}

// Leaving the box (or Enter, a click elsewhere, a shortcut): what is there now is taken or refused. True when
// a picker went back to its date just now: what the clerk did to leave it must not act on that date.
bool DateEdit::settle() {
    const DateReading typed = readDate(displayText(), rules(), true);
    if (typed.kind == DateReading::Complete) {
        write(typed.date);  // a two-digit year is shown whole
        take(typed.date, true);
    } else if (typed.kind != DateReading::Empty || !m_emptyAllowed) {
        if (m_emptyAllowed ? !m_refused : displayText() != m_date.toString(kFormat)) {
            refuse(displayText());
            return !m_emptyAllowed;
        }
    }
    return false;
}

void DateEdit::take(const QDate& date, bool byClerk) {
    if (date == m_date)
        return;
    m_date = date;
    emit dateChanged(date);
    if (byClerk)
        emit dateEdited(date);
}

// A picker goes back to the date it held; a box that may stay empty keeps the text, holding no date, so that
// its form names the fault when it is saved. Either shows the refusal and why until the next change.
void DateEdit::refuse(const QString& typed) {
    m_reason = refusalReason(typed, rules());
    if (m_emptyAllowed) {
        take({}, true);
    } else {
        write(m_date);
        if (hasFocus())
            selectAll();
    }
    setRefused(true);
    QApplication::beep();
}

void DateEdit::write(const QDate& date) {
    const QString text = date.isValid() ? date.toString(kFormat) : QString();
    if (displayText() == text || (text.isEmpty() && isBlank()))
        return;
    m_writing = true;
    setText(text);
    m_writing = false;
}

void DateEdit::setRefused(bool on) {
    if (m_refused == on)
        return;
    m_refused = on;
    if (on) {
        m_ownToolTip = toolTip();
        setToolTip(m_reason);  // a look at the box later tells it again
        if (!m_note) {
            m_note = new FieldNote(this);
            m_note->setObjectName(QStringLiteral("lblRecusa"));
        }
        m_note->showAt(m_reason);
    } else {
        setToolTip(m_ownToolTip);
        if (m_note)
            m_note->hide();
    }
    update();
}

// "/" typed after a single digit of the day or month: that digit is the day or month ("1/2/2026").
bool DateEdit::padSection() {
    const QString text = displayText();
    const int at = cursorPosition();
    if ((at != 1 && at != 4) || hasSelectedText() || !text[at - 1].isDigit() || !blankChar(text[at]))
        return false;
    setSelection(at - 1, 1);
    insert(QStringLiteral("0") + text[at - 1]);
    return true;
}

void DateEdit::step(int by) {
    settle();
    if (!m_date.isValid())
        return;
    const bool whole = hasSelectedText() && selectedText().size() == text().size();
    const int cursor = cursorPosition();
    const Section section = whole ? Section(m_clickedSection) : sectionAt(cursor);
    const QDate to = section == Day     ? m_date.addDays(by)
                     : section == Month ? m_date.addMonths(by)
                                        : m_date.addYears(by);
    if ((m_minimum.isValid() && to < m_minimum) || (m_maximum.isValid() && to > m_maximum))
        return;
    write(to);
    take(to, true);
    if (whole)
        selectAll();
    else
        setCursorPosition(cursor);
}

void DateEdit::openCalendar() {
    if (isReadOnly() || !isEnabled())
        return;
    settle();
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("calendario"));
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->installEventFilter(this);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateEdit::chosen);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateEdit::chosen);
    }
    m_calendar->setDateRange(m_minimum.isValid() ? m_minimum : QDate(1753, 1, 1),
                             m_maximum.isValid() ? m_maximum : QDate(9999, 12, 31));
    m_calendar->setSelectedDate(m_date.isValid() ? m_date : QDate::currentDate());
    const QSize size = m_calendar->sizeHint();
    const QRect screen = this->screen()->availableGeometry();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (at.y() + size.height() > screen.bottom())
        at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
    m_calendar->setGeometry(QRect(at, size));
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateEdit::chosen(const QDate& date) {
    m_calendar->hide();
    setRefused(false);
    write(date);
    take(date, true);
    setFocus(Qt::PopupFocusReason);
}

bool DateEdit::event(QEvent* event) {
    // A shortcut (a form's action) reads the box: what was typed is taken or refused first, and a picker that
    // went back keeps the key, so that the action does not run on a date the clerk did not type.
    if (event->type() == QEvent::ShortcutOverride &&
        (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && settle()) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_calendar) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_calendar->hide();
            return true;
        }
        return false;
    }
    // A click anywhere else (a tool button that takes no focus, another window) leaves the box; the click that
    // made a picker go back to its date does nothing else.
    if (event->type() == QEvent::MouseButtonPress) {
        if (std::exchange(m_swallowPress, false)) {
            if (!hasFocus())  // a work-area window clicked gives the focus back to its box at once
                qApp->removeEventFilter(this);
            return true;
        }
        auto* target = qobject_cast<QWidget*>(watched);
        if (target && target != this && !isAncestorOf(target) &&
            !(m_calendar && (target == m_calendar || m_calendar->isAncestorOf(target))))
            return settle();
    }
    return false;
}

void DateEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!(event->modifiers() & Qt::AltModifier))
            step(event->key() == Qt::Key_Up ? 1 : -1);
        else if (calendarPopup() && event->key() == Qt::Key_Down)
            openCalendar();
        return;
    case Qt::Key_F4:
        if (calendarPopup()) {
            openCalendar();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: settle(); break;
    case Qt::Key_Slash:
        if (padSection())
            return;
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(event);
}

// Wherever the click lands, what is typed next starts from the day; the arrow keys step the section clicked.
void DateEdit::mousePressEvent(QMouseEvent* event) {
    const int at = cursorPositionAt(event->position().toPoint());
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_clickedSection = sectionAt(at);
        selectAll();
    }
}

void DateEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        m_clickedSection = Day;
    qApp->installEventFilter(this);
}

void DateEdit::focusOutEvent(QFocusEvent* event) {
    // Not for the calendar or a context menu. A click gives the focus before it is delivered: the filter stays
    // for that click when it made a picker go back.
    const bool reverted = event->reason() != Qt::PopupFocusReason && settle();
    m_swallowPress = reverted && event->reason() == Qt::MouseFocusReason;
    if (!m_swallowPress)
        qApp->removeEventFilter(this);
    QLineEdit::focusOutEvent(event);
}

void DateEdit::changeEvent(QEvent* event) {
    if (m_calendarAction && (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::EnabledChange))
        m_calendarAction->setEnabled(isEnabled() && !isReadOnly());
    QLineEdit::changeEvent(event);
}

void DateEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!m_refused)
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace ui
