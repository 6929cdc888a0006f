// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one date entry of the program, for date boxes and date pickers alike: dd/mm/yyyy typed from the day
// on wherever the click lands ("/" typed or skipped), a date taken only once it is complete and possible and
// never moved to another date, arrow keys that step the day, month or year, and, for pickers, a calendar.

#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <QString>

class QAction;
class QCalendarWidget;

namespace ui {

// What a typed date must keep to.
struct DateRules {
    QDate minimum, maximum;     // null: no bound
    int twoDigitYearsUpTo = 0;  // a two-digit year is the latest year with those last digits not after this
                                // one; 0: only four-digit years
};

struct DateReading {
    enum Kind { Empty, Unfinished, Impossible, Complete };
    Kind kind = Empty;
    QDate date;  // of a complete date
};

// What the text of a date box holds: "dd/mm/yyyy" with blanks ("_" or " ") where nothing was typed, or the
// digits alone ("ddmmyyyy"). A section with a digit missing is unfinished; a date that does not exist or lies
// outside the bounds is impossible. While the clerk may still be typing (`finished` false), a two-digit year
// is unfinished, as two more digits may follow.
DateReading readDate(const QString& text, const DateRules& rules, bool finished);

// The year that a two-digit year stands for: the latest year ending in those digits not after `upTo`.
int fullYear(int twoDigits, int upTo);

class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    // A date box that starts empty and may stay empty.
    explicit DateEdit(QWidget* parent = nullptr);
    // A date picker: it always holds a date, starting at `date`, and drops a calendar down.
    DateEdit(const QDate& date, QWidget* parent);

    // The date held: the last complete, possible date typed, chosen or set. A box that may stay empty holds
    // none while it is empty or shows what it refused.
    QDate date() const { return m_date; }
    // Shows `date`; a null date empties a box that may stay empty and is ignored by a picker.
    void setDate(const QDate& date);
    bool isBlank() const;  // nothing typed, only the separators
    bool isRefused() const { return m_refused; }
    bool emptyAllowed() const { return m_emptyAllowed; }

    // Dates outside the range are refused when typed.
    void setDateRange(const QDate& minimum, const QDate& maximum);
    // Takes a year typed with two digits when the clerk leaves the box (see DateRules), and shows it whole.
    void setTwoDigitYears(bool on);
    void setCalendarPopup(bool on);
    bool calendarPopup() const { return m_calendarAction != nullptr; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dateChanged(const QDate& date);  // the date held changed, by the clerk or by code
    void dateEdited(const QDate& date);   // the clerk changed it: typing, arrow keys, the calendar

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    DateRules rules() const;
    void edited();
    void changedByCode();
    bool settle();
    void take(const QDate& date, bool byClerk);
    void refuse();
    void write(const QDate& date);
    void setRefused(bool on);
    bool padSection();
    void step(int by);
    void openCalendar();
    void chosen(const QDate& date);

    QDate m_date;
    QDate m_minimum, m_maximum;
    bool m_emptyAllowed = true;
    bool m_twoDigitYears = false;
    bool m_refused = false;
    bool m_writing = false;       // the box writes its own text
    bool m_edited = false;        // the text change under way is the clerk's
    bool m_swallowPress = false;  // the click that made a picker go back does nothing else
    int m_clickedSection = 0;
    QAction* m_calendarAction = nullptr;
    QPointer<QCalendarWidget> m_calendar;
};

}  // namespace ui
