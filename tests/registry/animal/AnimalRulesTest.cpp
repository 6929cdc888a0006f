// SPDX-License-Identifier: GPL-3.0-or-later
// The birth date from an age, by table.
#include "registry/animal/IdadeRules.h"

#include <gtest/gtest.h>

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
