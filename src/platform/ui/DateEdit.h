// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one date entry of the program, for date boxes and date pickers alike: a date typed from the day on
// wherever the click lands, as ddmmyyyy, ddmmyy, d/m/yy or d/m/yyyy, taken only once it is complete and
// possible and never moved to another date; a refusal that says why at the box; arrow keys that step the day,
// month or year, and, for pickers, a calendar.

#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <QString>

class QAction;
class QCalendarWidget;

namespace ui {

class FieldNote;

// Why a date box refused what was typed, in the clerk's words.
inline const QString kDataIncompleta =
    QStringLiteral("Data incompleta: digite dia, mês e ano (ddmmaaaa, ddmmaa, d/m/aa ou d/m/aaaa).");
inline const QString kDataInexistente = QStringLiteral("Data inexistente: %1.");
inline const QString kDataForaDoPeriodo = QStringLiteral("Data fora do período aceito: de %1 a %2.");
inline const QString kDataAntesDoPeriodo = QStringLiteral("Data fora do período aceito: a partir de %1.");
inline const QString kDataDepoisDoPeriodo = QStringLiteral("Data fora do período aceito: até %1.");

// What a typed date must keep to.
struct DateRules {
    QDate minimum, maximum;  // null: no bound
    // A two-digit year is the latest year with those last digits not after this one.
    int twoDigitYearsUpTo = QDate::currentDate().year();
};

struct DateReading {
    enum Kind { Empty, Unfinished, Impossible, Complete };
    Kind kind = Empty;
    QDate date;  // of a complete date
};

// What the text of a date box holds: "dd/mm/yyyy" with blanks ("_" or " ") where nothing was typed, or the
// digits alone ("ddmmyyyy", "ddmmyy"). The year has four digits or two; a section with a digit missing is
// unfinished; a date that does not exist or lies outside the bounds is impossible. While the clerk may still
// be typing (`finished` false), a one-digit day or month and a two-digit year are unfinished, as more digits
// may follow; once typing is over they are taken ("7/1/26").
DateReading readDate(const QString& text, const DateRules& rules, bool finished);

// Why `text`, once typing is over, is refused (kDataIncompleta, kDataInexistente, kDataForaDoPeriodo...);
// empty for a date that is taken and for no date at all.
QString refusalReason(const QString& text, const DateRules& rules);

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
    // Why the box refused what was typed, shown at the box until the clerk goes on; empty when not refused.
    QString refusal() const { return m_refused ? m_reason : QString(); }
    bool emptyAllowed() const { return m_emptyAllowed; }

    // Dates outside the range are refused when typed.
    void setDateRange(const QDate& minimum, const QDate& maximum);
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
    void refuse(const QString& typed);
    void write(const QDate& date);
    void setRefused(bool on);
    bool padSection();
    void step(int by);
    void openCalendar();
    void chosen(const QDate& date);

    QDate m_date;
    QDate m_minimum, m_maximum;
    bool m_emptyAllowed = true;
    bool m_refused = false;
    QString m_reason;
    QString m_ownToolTip;         // the box's tool tip when it refuses nothing
    bool m_writing = false;       // the box writes its own text
    bool m_edited = false;        // the text change under way is the clerk's
    bool m_swallowPress = false;  // the click that made a picker go back does nothing else
    int m_clickedSection = 0;
    QAction* m_calendarAction = nullptr;
    QPointer<QCalendarWidget> m_calendar;
    QPointer<FieldNote> m_note;
};

}  // namespace ui
