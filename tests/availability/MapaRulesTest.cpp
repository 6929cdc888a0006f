// SPDX-License-Identifier: GPL-3.0-or-later
// The availability map's rules, case by case, without widgets or database.

#include "availability/MapaRules.h"
#include "availability/MapaTexts.h"

#include <gtest/gtest.h>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace availability;

namespace {

TypedSlot typed(const QString& hour, const QString& general, const QString& female, const QString& species = "GATO",
                int speciesKey = 3) {
    return TypedSlot{"CENTRO", "CASTRAÇÃO", species, speciesKey, "10/03/2026", hour, general, female};
}

}  // namespace

TEST(MapaRules, TheEditorsSaveRefusesInItsOrder) {
    struct Case {
        TypedSlot slot;
        QString refusal;  // empty: saved
        QString femaleAfter;
    };
    TypedSlot noUnit = typed("08:00", "5", "0");
    noUnit.unit.clear();
    TypedSlot noSpecies = typed("08:00", "5", "0", "", -1);
    const QList<Case> cases{
        {typed("08:00", "5", "0", "CANINA", 1), {}, "0"},
        {typed("08:00", "5", "3", "CANINA", 1), kCaninaSeparada, "0"},
        {typed("08:00", "00", "3", "CANINA", 1), {}, "3"},  // "00" is zero: no clash of kinds
        {typed("08:00", "5", "0", "FELINA", 2), {}, "0"},
        {typed("08:00", "5", "1", "FELINA", 2), kFelinoFemea, "1"},
        {typed("08:00", "", "", "GATO"), kNenhumaVaga, "0"},
        {noUnit, kUnidadeObrigatoria, "0"},
        {typed(":", "5", "0"), kHoraObrigatoria, "0"},
        {typed("24:00", "5", "0"), kHoraInvalida.arg("24:00"), "0"},
        {typed("00:00", "5", "0"), {}, "0"},
        {typed("08:00", "5a", "0"), kGeralInvalido, "0"},
        {typed("08:00", "5", "-1"), kFemeaNegativa, "-1"},
        {noSpecies, kFaltaEspecie, "0"},
        {typed("08:00", "1000", "0"), kGeralInvalido + kAte999, "0"},
        {typed("08:00", "999", "0"), {}, "0"},
    };
    for (Case c : cases) {
        const auto refusal = checkMapSave(c.slot);
        EXPECT_EQ(refusal ? refusal->message : QString(), c.refusal)
            << c.slot.general.toStdString() << "/" << c.slot.hour.toStdString();
        EXPECT_EQ(c.slot.female, c.femaleAfter);
    }
}

TEST(MapaRules, TheProvisionalSaveTakesUpTo99AndTreatsAnEmptyCatFemaleAsZero) {
    struct Case {
        TypedSlot slot;
        QString refusal;
    };
    TypedSlot noDate = typed("08:00", "5", "0");
    noDate.date = "  /  /    ";
    TypedSlot badDate = typed("08:00", "5", "0");
    badDate.date = "31/02/2026";
    const QList<Case> cases{
        {typed("08:00", "99", "0"), {}},
        {typed("08:00", "100", "0"), kGeralInvalido + kAte99},
        {typed("08:00", "5", "100"), kFemeaInvalida + kAte99},
        {typed("08:00", "5", ""), kFaltaFemea},
        {typed("08:00", "5", "", "FELINA", 2), {}},
        {typed("08:00", "5", "2", "Felina ", 2), kFelinaFemea},
        {typed("08:00", "5", "2", " canina", 1), kCaninaSeparada},
        {noDate, kFaltaData},
        {badDate, kDataInvalida},
        {typed("24:00", "5", "0"), kHoraInvalidaRascunho},
        {typed("08:00", "0", "0"), kNenhumaVaga},
    };
    for (Case c : cases) {
        const auto refusal = checkProvisionalSave(c.slot);
        EXPECT_EQ(refusal ? refusal->message : QString(), c.refusal)
            << c.slot.general.toStdString() << "/" << c.slot.female.toStdString();
    }
}

TEST(MapaRules, FieldExitChecksAndUsedCounts) {
    EXPECT_EQ(checkHourExit("24:00"), kHoraInvalida.arg("24:00"));
    EXPECT_EQ(checkHourExit(":"), std::nullopt);
    EXPECT_EQ(checkHourExit("23:59"), std::nullopt);
    EXPECT_EQ(checkQuantityExit("0"), QuantityExit::Accept);
    EXPECT_EQ(checkQuantityExit("999"), QuantityExit::Accept);
    EXPECT_EQ(checkQuantityExit("1000"), QuantityExit::Clear);
    EXPECT_EQ(checkQuantityExit("1x"), QuantityExit::Keep);
    EXPECT_EQ(checkUsedCounts(4, 0, 3, 0), kUsadaGeral);
    EXPECT_EQ(checkUsedCounts(4, 2, 4, 1), kUsadaFemea);
    EXPECT_EQ(checkUsedCounts(4, 2, 4, 2), std::nullopt);
    EXPECT_EQ(slotDateTime(QDate(2026, 3, 10), "00:00"), QDateTime(QDate(2026, 3, 10), QTime(0, 0)));
}

TEST(MapaRules, TheEditorsStates) {
    using E = MapEvent;
    using S = MapState;
    struct Case {
        S from;
        E event;
        S to;
    };
    const QList<Case> cases{{S::Empty, E::NewSlots, S::New},
                            {S::Empty, E::Change, S::Changing},
                            {S::New, E::Cancel, S::Cancelled},
                            {S::Changing, E::Delete, S::Cancelled},
                            {S::New, E::SavedWithAreas, S::NewWithAreas},
                            {S::Changing, E::SavedWithAreas, S::Changing},
                            {S::NewWithAreas, E::SaveEnded, S::Empty}};
    for (const Case& c : cases)
        EXPECT_EQ(nextState(c.from, c.event), c.to) << stateText(c.from).toStdString();
    EXPECT_EQ(stateText(S::NewWithAreas), "novoComArea");
    EXPECT_FALSE(reloadsDay(S::New));
    EXPECT_FALSE(reloadsDay(S::Changing));
    EXPECT_TRUE(reloadsDay(S::Cancelled));
    EXPECT_TRUE(reloadsDay(S::Empty));
}

TEST(MapaRules, TheCloneMonthGridAndItsMarks) {
    // August 2026 begins on a Saturday: day 1 at row 1, column 6; day 31 reaches row 6.
    const MonthGrid g = monthGrid(2026, 8);
    EXPECT_EQ(g[0][0], "Domingo");
    EXPECT_EQ(g[0][6], "Sábado");
    EXPECT_EQ(g[1][6], "1");
    EXPECT_EQ(g[1][5], "");
    EXPECT_EQ(g[2][0], "2");
    EXPECT_EQ(g[6][1], "31");
    EXPECT_EQ(shiftedMonth(QDate(2026, 1, 20), -1), QDate(2025, 12, 1));
    EXPECT_EQ(shiftedMonth(QDate(2026, 12, 5), 1), QDate(2027, 1, 1));
    EXPECT_EQ(NomeMes(4), "Abril");

    EXPECT_EQ(toggleMark("5", "08:00"), "5  08:00");
    EXPECT_EQ(toggleMark("5  08:00", "08:00"), "5 ");
    EXPECT_EQ(toggleMark("", "08:00"), "") << "a cell without a day cannot be marked";
    MonthGrid marked = g;
    marked[2][3] = toggleMark(g[2][3], "08:00");  // Wednesday 5th
    marked[1][6] = toggleMark(g[1][6], "08:00");  // Saturday 1st
    marked[3][0] = toggleMark(g[3][0], "08:00");  // Sunday 9th
    EXPECT_EQ(markedDays(marked), QList<int>({9, 5, 1})) << "columns Sunday to Saturday, rows top to bottom";
}

TEST(MapaRules, TheMonthSummaryText) {
    const QString dashes(95, '-');
    EXPECT_EQ(
        monthSummaryText({}),
        "\n" + dashes + "\nTotal de vagas geral:0 total de vagas Fêmea:0  qt usada geral: 0 qt usada fêmea:0\n  ");

    const auto at = [](int d, int h) { return QDateTime(QDate(2026, 12, d), QTime(h, 0)); };
    const QList<SummaryLine> rows{
        {"CENTRO", 1, at(3, 8), QVariant(), {}, 5, 0, 1, 0},
        {"CENTRO", 1, at(3, 8), QVariant(120), "VILA", 2, 1, 0, 0},
        {"CENTRO", 1, at(10, 9), QVariant(), {}, 4, 0, 0, 0},
        {"NORTE", 2, at(3, 8), QVariant(), {}, 3, 2, 0, 1},
    };
    const QStringList lines = monthSummaryText(rows).split('\n');
    const QStringList expected{
        "",
        "==============CENTRO=============",
        "Dia 03 de Dezembro de 2026",
        "   *  08:00Hs  Vaga para toda regional, vagas geral:5, vagas para fêmea:0, qt usada geral:1, qt usada fêmea:0",
        "   *  08:00Hs  120 - VILA, vagas geral:2, vagas para fêmea:1, qt usada geral:0, qt usada fêmea:0",
        "Dia 10 de Dezembro de 2026",
        "   *  09:00Hs  Vaga para toda regional, vagas geral:4, vagas para fêmea:0, qt usada geral:0, qt usada fêmea:0",
        dashes,
        "Total de vagas geral:11 total de vagas Fêmea:1  qt usada geral: 1 qt usada fêmea:0",
        "  ",
        "==============NORTE=============",
        "Dia 03 de Dezembro de 2026",
        "   *  08:00Hs  Vaga para toda regional, vagas geral:3, vagas para fêmea:2, qt usada geral:0, qt usada fêmea:1",
        dashes,
        "Total de vagas geral:3 total de vagas Fêmea:2  qt usada geral: 0 qt usada fêmea:1",
        "  ",
    };
    EXPECT_EQ(lines, expected);
}
