// SPDX-License-Identifier: GPL-3.0-or-later
// The availability map's pure rules, free of widgets and of the database.

#include "availability/MapaRules.h"

#include "availability/MapaTexts.h"
#include "platform/db/Database.h"

namespace availability {

MapState nextState(MapState current, MapEvent event) {
    switch (event) {
    case MapEvent::NewSlots: return MapState::New;
    case MapEvent::Change: return MapState::Changing;
    case MapEvent::Cancel:
    case MapEvent::Delete: return MapState::Cancelled;
    case MapEvent::SavedWithAreas: return current == MapState::New ? MapState::NewWithAreas : current;
    case MapEvent::SaveEnded: return MapState::Empty;
    }
    return current;
}

QString stateText(MapState state) {
    switch (state) {
    case MapState::Empty: return {};
    case MapState::New: return QStringLiteral("novo");
    case MapState::Changing: return QStringLiteral("alterar");
    case MapState::Cancelled: return QStringLiteral("cancelar");
    case MapState::NewWithAreas: return QStringLiteral("novoComArea");
    }
    return {};
}

bool reloadsDay(MapState state) { return state != MapState::New && state != MapState::Changing; }

std::optional<QTime> validHour(const QString& text) {
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    if (!t.isValid())
        return std::nullopt;
    return t;
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

namespace {

// A mask's text with its separators and blanks taken out: empty when nothing was typed.
bool nothingTyped(const QString& text, QChar separator) {
    QString t = text;
    t.remove(separator);
    return t.trimmed().isEmpty();
}

bool isZero(const QString& text) { return wholeNumber(text) == 0; }

bool isCanine(const QString& species) { return db::sameText(species, QStringLiteral("CANINA")); }

int quantityOf(const QString& text) { return wholeNumber(text).value_or(0); }

}  // namespace

std::optional<QString> checkHourExit(const QString& text) {
    if (nothingTyped(text, QLatin1Char(':')) || validHour(text))
        return std::nullopt;
    return kHoraInvalida.arg(text);
}

QuantityExit checkQuantityExit(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QuantityExit::Accept;
    const auto n = wholeNumber(t);
    if (!n)
        return QuantityExit::Keep;
    return (t.size() > 3 || *n < 0) ? QuantityExit::Clear : QuantityExit::Accept;
}

std::optional<Refusal> checkMapSave(TypedSlot& v) {
    if (v.general.trimmed().isEmpty())
        v.general = QStringLiteral("0");
    if (v.female.trimmed().isEmpty())
        v.female = QStringLiteral("0");
    if (!isZero(v.general) && !isZero(v.female) && isCanine(v.species)) {
        v.female = QStringLiteral("0");
        return Refusal{kCaninaSeparada, SlotField::Female, true};
    }
    if (v.speciesId == 2 && quantityOf(v.female) > 0)
        return Refusal{kFelinoFemea, SlotField::Female};
    if (v.unit.trimmed().isEmpty())
        return Refusal{kUnidadeObrigatoria, SlotField::Unit};
    if (v.procedure.trimmed().isEmpty())
        return Refusal{kProcedimentoObrigatorio, SlotField::Procedure};
    if (nothingTyped(v.hour, QLatin1Char(':')))
        return Refusal{kHoraObrigatoria, SlotField::Hour};
    if (!validHour(v.hour))
        return Refusal{kHoraInvalida.arg(v.hour), SlotField::Hour};
    const auto general = wholeNumber(v.general), female = wholeNumber(v.female);
    if (!general)
        return Refusal{kGeralInvalido, SlotField::General};
    if (!female)
        return Refusal{kFemeaInvalida, SlotField::Female};
    if (*general < 0)
        return Refusal{kGeralNegativo, SlotField::General};
    if (*female < 0)
        return Refusal{kFemeaNegativa, SlotField::Female};
    if (v.species.trimmed().isEmpty())
        return Refusal{kFaltaEspecie, SlotField::Species};
    if (v.general.trimmed().size() > 3)
        return Refusal{kGeralInvalido + kAte999, SlotField::General};
    if (v.female.trimmed().size() > 3)
        return Refusal{kFemeaInvalida + kAte999, SlotField::Female};
    if (*general == 0 && *female == 0)
        return Refusal{kNenhumaVaga, SlotField::General};
    return std::nullopt;
}

std::optional<Refusal> checkProvisionalSave(TypedSlot& v) {
    if (v.unit.trimmed().isEmpty())
        return Refusal{kFaltaUnidade, SlotField::Unit};
    if (v.procedure.trimmed().isEmpty())
        return Refusal{kFaltaProcedimento, SlotField::Procedure};
    if (v.species.trimmed().isEmpty())
        return Refusal{kFaltaEspecieRascunho, SlotField::Species};
    if (nothingTyped(v.date, QLatin1Char('/')))
        return Refusal{kFaltaData, SlotField::Date};
    if (nothingTyped(v.hour, QLatin1Char(':')))
        return Refusal{kFaltaHorario, SlotField::Hour};
    if (v.general.trimmed().isEmpty())
        return Refusal{kFaltaGeral, SlotField::General, false, true};
    if (v.female.trimmed().isEmpty()) {
        if (v.speciesId != 2)
            return Refusal{kFaltaFemea, SlotField::Female, false, true};
        v.female = QStringLiteral("0");
    }
    const auto general = wholeNumber(v.general), female = wholeNumber(v.female);
    if (general && *general < 0)
        return Refusal{kGeralNegativo, SlotField::General};
    if (female && *female < 0)
        return Refusal{kFemeaNegativa, SlotField::Female};
    if (!QDate::fromString(v.date.trimmed(), QStringLiteral("dd/MM/yyyy")).isValid())
        return Refusal{kDataInvalida, SlotField::Date, false, true};
    if (!validHour(v.hour))
        return Refusal{kHoraInvalidaRascunho, SlotField::Hour, false, true};
    if (!isZero(v.general) && !isZero(v.female) && isCanine(v.species)) {
        v.female = QStringLiteral("0");
        return Refusal{kCaninaSeparada, SlotField::Female, true};
    }
    if (v.speciesId == 2 && quantityOf(v.female) > 0)
        return Refusal{kFelinaFemea, SlotField::Female};
    if (!general || *general > 99)
        return Refusal{kGeralInvalido + kAte99, SlotField::General};
    if (!female || *female > 99)
        return Refusal{kFemeaInvalida + kAte99, SlotField::Female};
    if (*general == 0 && *female == 0)
        return Refusal{kNenhumaVaga, SlotField::General};
    return std::nullopt;
}

QDateTime slotDateTime(const QDate& day, const QString& hour) {
    return QDateTime(day, validHour(hour).value_or(QTime(0, 0)));
}

std::optional<QString> checkUsedCounts(int usedGeneral, int usedFemale, int general, int female) {
    if (usedGeneral > general)
        return kUsadaGeral;
    if (usedFemale > female)
        return kUsadaFemea;
    return std::nullopt;
}

MonthGrid monthGrid(int year, int month) {
    static const QStringList days{"Domingo",      "Segunda-feira", "Terça-feira", "Quarta-feira",
                                  "Quinta-feira", "Sexta-feira",   "Sábado"};
    MonthGrid g{};
    for (int c = 0; c < 7; ++c)
        g[0][c] = days[c];
    const QDate first(year, month, 1);
    int cell = first.dayOfWeek() % 7;  // Sunday first
    for (int day = 1; day <= first.daysInMonth(); ++day, ++cell)
        g[1 + cell / 7][cell % 7] = QString::number(day);
    return g;
}

QString NomeMes(int month) {
    static const QStringList names{"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                   "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    return month >= 1 && month <= 12 ? names[month - 1] : QString();
}

QDate shiftedMonth(const QDate& today, int offset) { return QDate(today.year(), today.month(), 1).addMonths(offset); }

QString toggleMark(const QString& cell, const QString& hour) {
    if (cell.trimmed().isEmpty())
        return cell;
    if (cell.size() < 3)
        return cell.left(2) + QStringLiteral("  ") + hour;
    return cell.left(2);
}

bool isMarked(const QString& cell) { return cell.trimmed().size() >= 3; }

QList<int> markedDays(const MonthGrid& grid) {
    QList<int> days;
    for (int c = 0; c < 7; ++c)
        for (int r = 1; r < 7; ++r)
            if (isMarked(grid[r][c]))
                days << grid[r][c].left(2).trimmed().toInt();
    return days;
}

QString monthSummaryText(const QList<SummaryLine>& lines) {
    QStringList out{QString()};
    int general = 0, female = 0, usedGeneral = 0, usedFemale = 0;
    const auto closeUnit = [&] {
        out << QString(95, QLatin1Char('-'));
        out << QStringLiteral("Total de vagas geral:%1 total de vagas Fêmea:%2  qt usada geral: %3 qt usada fêmea:%4")
                   .arg(general)
                   .arg(female)
                   .arg(usedGeneral)
                   .arg(usedFemale);
        out << QStringLiteral("  ");
    };
    int previousUnit = 0;
    QString previousDay;
    for (const SummaryLine& l : lines) {
        if (l.unitId != previousUnit) {
            if (previousUnit != 0)
                closeUnit();
            out << QStringLiteral("==============") + l.unit + QStringLiteral("=============");
            general = female = usedGeneral = usedFemale = 0;
            previousDay.clear();
            previousUnit = l.unitId;
        }
        const QDate d = l.dateTime.date();
        const QString day = QStringLiteral("Dia %1 de %2 de %3")
                                .arg(d.day(), 2, 10, QLatin1Char('0'))
                                .arg(NomeMes(d.month()))
                                .arg(d.year());
        if (day != previousDay)
            out << day;
        previousDay = day;
        const QString area = l.area.isNull() ? QStringLiteral(" Vaga para toda regional")
                                             : QStringLiteral(" %1 - %2").arg(l.area.toString(), l.areaName);
        out << QStringLiteral(
                   "   *  %1Hs %2, vagas geral:%3, vagas para fêmea:%4, qt usada geral:%5, qt usada fêmea:%6")
                   .arg(l.dateTime.toString(QStringLiteral("HH:mm")), area)
                   .arg(l.general)
                   .arg(l.female)
                   .arg(l.usedGeneral)
                   .arg(l.usedFemale);
        general += l.general;
        female += l.female;
        usedGeneral += l.usedGeneral;
        usedFemale += l.usedFemale;
    }
    closeUnit();
    return out.join(QLatin1Char('\n'));
}

QString slotHour(const QDateTime& value) { return value.time().toString(QStringLiteral("HH:mm")); }

}  // namespace availability
