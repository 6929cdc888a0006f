// SPDX-License-Identifier: GPL-3.0-or-later
// The house geocoder and the birth date from an age, by table.
#include "registry/animal/AnimalRules.h"
#include "registry/animal/IdadeRules.h"

#include <gtest/gtest.h>

using namespace registry;

TEST(AnimalRules, HouseCoordinatesFromTheStreetsBuildings) {
    const QList<Building> block{{"51", 1, 1}, {"55", 5, 5}, {"63", 3, 3}, {"69", 9, 9}};
    const struct {
        int number;
        QList<Building> buildings;
        Coordinates expected;
    } cases[] = {
        {55, block, {5, 5, kGradeExato}},
        {57, block, {3, 3, kGradeAproximado}},  // lower 55, higher 63: the last one read
        {57, {{"00057", 7, 7}}, {7, 7, kGradeExato}},
        {57, {}, {0, 0, kGradeAproximado}},
        {57, {{"300", 30, 30}}, {0, 0, kGradeAproximado}},              // beyond 100: no candidate
        {57, {{"52", 2, 2}, {"60", 6, 6}}, {6, 6, kGradeAproximado}},   // no odd building: either side
        {12, {{"12A", 1, 1}, {"14", 4, 4}}, {4, 4, kGradeAproximado}},  // a number that does not parse is skipped
        {12, {{"11", 1, 1}, {"9", 9, 9}}, {1, 1, kGradeAproximado}},    // numeric order ("9" before "11")
    };
    for (const auto& c : cases) {
        const Coordinates got = geocode(c.number, c.buildings);
        EXPECT_EQ(got.grade, c.expected.grade) << c.number;
        EXPECT_EQ(got.x, c.expected.x) << c.number;
        EXPECT_EQ(got.y, c.expected.y) << c.number;
    }
}

TEST(AgeCalculation, CountsBackCalendarMonthsToTheMonthsLastDay) {
    struct Case {
        QDate today;
        const char* years;
        const char* months;
        QDate born;
    };
    const Case cases[] = {
        {QDate(2026, 5, 31), "2", "3", QDate(2024, 2, 29)},  // leap February
        {QDate(2027, 5, 31), "2", "3", QDate(2025, 2, 28)},
        {QDate(2026, 12, 7), "", "", QDate(2026, 12, 7)},
        {QDate(2026, 3, 31), "", "1", QDate(2026, 2, 28)},
        {QDate(2026, 1, 15), "0", "13", QDate(2024, 12, 15)},
        {QDate(2026, 1, 15), "1a", "", QDate()},
        {QDate(2026, 1, 15), "", "-2", QDate()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(birthDateFromAge(c.today, c.years, c.months), c.born) << c.years << "/" << c.months;
}
