// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's pure rules by tables: the weekly grid's slots, titles and counts, the periods, the
// selection entries and the daily agenda's contact phone.

#include "scheduling/agenda/AgendaRules.h"
#include "scheduling/agenda/WeekGrid.h"

#include <gtest/gtest.h>

namespace {

QDateTime at(int d, int m, int y, int h, int min) { return QDateTime(QDate(y, m, d), QTime(h, min)); }

int cell(const WeekGrid::Counts& c, const QString& day, const QString& slot) {
    return c.cell[WeekGrid::plainTitles().indexOf(day)][WeekGrid::slotLabels().indexOf(slot)];
}

int filled(const WeekGrid::Counts& c) {
    int n = 0;
    for (const auto& day : c.cell)
        for (int v : day)
            n += v;
    return n;
}

TEST(WeekGridTest, SlotsRunFromTheirLabelToTheNextWithGapsAfterTwoAndFourPm) {
    const struct {
        QTime time;
        const char* slot;
    } cases[] = {{QTime(6, 59), nullptr},      {QTime(7, 0), "07:00"},   {QTime(9, 10), "09:00"},
                 {QTime(14, 45), "14:00"},     {QTime(15, 29), "14:00"}, {QTime(15, 30), "15:30"},
                 {QTime(16, 10), "15:30"},     {QTime(16, 29), "15:30"}, {QTime(16, 30), "16:30"},
                 {QTime(19, 29, 59), "19:00"}, {QTime(19, 30), nullptr}, {QTime(23, 0), nullptr}};
    for (const auto& c : cases) {
        const int slot = WeekGrid::slotOf(c.time);
        EXPECT_EQ(slot == 0 ? QString() : WeekGrid::slotLabels()[slot - 1], QString::fromLatin1(c.slot))
            << c.time.toString().toStdString();
    }
    EXPECT_EQ(WeekGrid::slotLabels().size(), WeekGrid::kSlots);
}

TEST(WeekGridTest, TitlesRunMondayToSundayAfterTheSundayOfTheWeeksFirstDay) {
    EXPECT_EQ(WeekGrid::weekSunday(QDate(2012, 12, 30)), QDate(2012, 12, 30)) << "a seeded week starts on Sunday";
    EXPECT_EQ(WeekGrid::weekSunday(QDate(2013, 1, 2)), QDate(2012, 12, 30)) << "a week starting on Wednesday";
    EXPECT_EQ(WeekGrid::datedTitles(QDate(2012, 12, 30)),
              QStringList({"Segunda 31/12/2012", "Terça 01/01/2013", "Quarta 02/01/2013", "Quinta 03/01/2013",
                           "Sexta 04/01/2013", "Sabado 05/01/2013", "Domingo 06/01/2013"}));
}

TEST(WeekGridTest, ColumnsKeepTheirWidthsOrTheirTextsAndShareTheRoomLeft) {
    const struct {
        QList<int> need;
        int room;
        QList<int> widths;
    } cases[] = {
        {{}, 0, {64, 115, 106, 101, 107, 99, 99, 117}},
        {{}, 808, {64, 115, 106, 101, 107, 99, 99, 117}},              // just the room they are given
        {{}, 815, {64, 116, 107, 102, 108, 100, 100, 118}},            // seven pixels more: one each
        {{}, 818, {64, 116, 107, 102, 108, 101, 101, 119}},            // ten: the odd three to the last ones
        {{40, 130, 130}, 700, {64, 130, 130, 101, 107, 99, 99, 117}},  // a title wider than given
        {{70, 130, 130, 130, 130, 130, 130, 130}, 1000, {70, 132, 133, 133, 133, 133, 133, 133}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WeekGrid::spreadWidths(c.need, c.room), c.widths) << c.room;
}

TEST(WeekGridTest, CountsAcrossNewYearAndLeavesSundaysAndOffHoursToTheTotal) {
    const WeekGrid::Counts newYear =
        WeekGrid::count({at(29, 12, 2012, 10, 0), at(30, 12, 2012, 10, 0), at(31, 12, 2012, 9, 10),
                         at(1, 1, 2013, 14, 45), at(5, 1, 2013, 19, 29), at(6, 1, 2013, 10, 0)},
                        QDate(2012, 12, 30));
    EXPECT_EQ(newYear.total, 4) << "29/12 and 06/01 lie outside the week";
    EXPECT_EQ(cell(newYear, "Segunda", "09:00"), 1);
    EXPECT_EQ(cell(newYear, "Terça", "14:00"), 1);
    EXPECT_EQ(cell(newYear, "Sabado", "19:00"), 1);
    EXPECT_EQ(filled(newYear), 3) << "the Sunday only in the total";

    const WeekGrid::Counts march =
        WeekGrid::count({at(4, 3, 2012, 10, 0), at(6, 3, 2012, 14, 45), at(6, 3, 2012, 16, 10), at(6, 3, 2012, 16, 29),
                         at(6, 3, 2012, 16, 30), at(6, 3, 2012, 19, 29), at(6, 3, 2012, 19, 30), at(7, 3, 2012, 6, 45),
                         at(10, 3, 2012, 7, 0)},
                        QDate(2012, 3, 4));
    EXPECT_EQ(march.total, 9);
    EXPECT_EQ(cell(march, "Terça", "14:00"), 1);
    EXPECT_EQ(cell(march, "Terça", "15:30"), 2);
    EXPECT_EQ(cell(march, "Terça", "16:30"), 1);
    EXPECT_EQ(cell(march, "Terça", "19:00"), 1);
    EXPECT_EQ(cell(march, "Sabado", "07:00"), 1);
    EXPECT_EQ(filled(march), 6);
}

TEST(AgendaRulesTest, PeriodsAreHalfOpenAndEntriesGiveTheirIds) {
    const QDate d(2012, 3, 5);
    EXPECT_EQ(periodRange(d, AgendaPeriod::Dia), std::make_pair(at(5, 3, 2012, 0, 0), at(6, 3, 2012, 0, 0)));
    EXPECT_EQ(periodRange(QDate(2012, 12, 9), AgendaPeriod::Mes),
              std::make_pair(at(1, 12, 2012, 0, 0), at(1, 1, 2013, 0, 0)));
    EXPECT_EQ(periodRange(d, AgendaPeriod::Ano), std::make_pair(at(1, 1, 2012, 0, 0), at(1, 1, 2013, 0, 0)));
    EXPECT_EQ(daysRange(d, d), std::make_pair(at(5, 3, 2012, 0, 0), at(6, 3, 2012, 0, 0)));
    EXPECT_EQ(weekStatusText(AgendaPeriod::Mes, 3, 9), "Total registro do mês :3 Total de registro na semana: 9");
    EXPECT_EQ(statisticsHeading(d, AgendaPeriod::Dia), "Dados dos dia 05/03/2012");
    EXPECT_EQ(statisticsHeading(d, AgendaPeriod::Mes), "Dados do mês 03/2012");
    EXPECT_EQ(statisticsHeading(d, AgendaPeriod::Ano), "Dados anual :2012");

    const struct {
        const char* text;
        std::optional<int> id;
    } entries[] = {{"12 - CENTRO", 12},
                   {" 7 - NORTE - ANEXO", 7},
                   {"0 - Todos", 0},
                   {"Todos", -1},
                   {"33", 33},
                   {"", std::nullopt},
                   {"  ", std::nullopt},
                   {"CENTRO", std::nullopt},
                   {"1.5 - X", std::nullopt}};
    for (const auto& e : entries)
        EXPECT_EQ(entryId(e.text), e.id) << e.text;
}

TEST(AgendaRulesTest, ContactPhoneTakesTheFirstPhoneWithADigit) {
    const struct {
        const char* home;
        const char* mobile;
        const char* message;
        const char* shown;
    } cases[] = {{"(31) 3333-4444", "(31) 9876-5432", "(31) 1111-2222", " 3333-4444..."},
                 {"", "(31) 9876-5432", "(31) 1111-2222", "; 9876-5432..."},
                 {"(  )     -", "(  )     -", "(31) 1111-2222", "; 1111-2222..."},
                 {"(  )    -  ", "", "", ""},
                 {"", "", "", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(contactPhone(c.home, c.mobile, c.message), QString::fromUtf8(c.shown)) << c.home << "|" << c.mobile;
    EXPECT_EQ(contactPhone(QString(), "(31) 9876-5432", QString()), "; 9876-5432...") << "a null home phone";
}

}  // namespace
