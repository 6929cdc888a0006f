// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map's pure rules: the editor's states, the field checks and the save's check order, the
// provisional slot's checks, the clone's month grid and the month summary's text.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <array>
#include <optional>

namespace availability {

// The editor's state (EstadoMapa) and what moves it.
enum class MapState { Empty, New, Changing, Cancelled, NewWithAreas };
enum class MapEvent { NewSlots, Change, Cancel, Delete, SavedWithAreas, SaveEnded };
MapState nextState(MapState current, MapEvent event);
QString stateText(MapState state);  // "", "novo", "alterar", "cancelar", "novoComArea"
// Calendar and combo clicks reload the day unless a slot is being typed.
bool reloadsDay(MapState state);

// A typed "HH:MM" as a time; "24:00" and anything else that is no clock time is invalid.
std::optional<QTime> validHour(const QString& text);
// Whole number of a quantity text, or nothing when it is not one.
std::optional<int> wholeNumber(const QString& text);

// The check on leaving the hour: the message, or nothing when the text passes (or nothing was typed).
std::optional<QString> checkHourExit(const QString& text);
// Hour text of a stored slot ("HH:mm"; "00:00" at midnight).
QString slotHour(const QDateTime& value);
// Leaving a quantity: Accept, or the message with whether the field is to be emptied.
enum class QuantityExit { Accept, Clear, Keep };
QuantityExit checkQuantityExit(const QString& text);

// The fields a check refers to.
enum class SlotField { None, Unit, Procedure, Species, Date, Hour, General, Female };

struct Refusal {
    QString message;
    SlotField field = SlotField::None;
    bool zeroesFemale = false;  // the large-female field is set to "0" (and locked, in the editor)
    bool asWarning = false;     // a warning box rather than an information box
};

// What the editor's save checks, as typed.
struct TypedSlot {
    QString unit, procedure, species;  // the combos' texts
    int speciesId = -1;
    QString date;  // the provisional map's date field ("dd/mm/yyyy")
    QString hour, general, female;
};

// The map editor's save: the first refusal in the order the operator is told, or nothing. Empty quantities
// become "0" first (written back into `slot`).
std::optional<Refusal> checkMapSave(TypedSlot& slot);
// The provisional map's save (quantities 0 to 99); an empty large-female quantity of species 2 counts 0.
std::optional<Refusal> checkProvisionalSave(TypedSlot& slot);

// The slot's date-time: the day at the typed hour, seconds 0.
QDateTime slotDateTime(const QDate& day, const QString& hour);

// A used count raised above the new quantity: the refusal of an update, checking general first.
std::optional<QString> checkUsedCounts(int usedGeneral, int usedFemale, int general, int female);

// The clone's month: row 0 the weekday names, rows 1 to 6 the day numbers from the weekday of the 1st.
using MonthGrid = std::array<std::array<QString, 7>, 7>;
MonthGrid monthGrid(int year, int month);
QString NomeMes(int month);
// The month `offset` months from `today` (the first of it).
QDate shiftedMonth(const QDate& today, int offset);
// A cell toggled by a click: marked with the hour, or back to its day. Cells without a day stay as they are.
QString toggleMark(const QString& cell, const QString& hour);
bool isMarked(const QString& cell);
// Marked days in generation order: columns Sunday to Saturday, rows top to bottom.
QList<int> markedDays(const MonthGrid& grid);

// One row of the month summary: a unit, day-hour and area with its sums.
struct SummaryLine {
    QString unit;
    int unitId = 0;
    QDateTime dateTime;
    QVariant area;  // null: the whole region
    QString areaName;
    int general = 0, female = 0, usedGeneral = 0, usedFemale = 0;
};
QString monthSummaryText(const QList<SummaryLine>& lines);

}  // namespace availability
