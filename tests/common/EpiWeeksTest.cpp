// SPDX-License-Identifier: GPL-3.0-or-later
// The epidemiological weeks of a year, their first and last days and the week of a day.
#include "common/rules/EpiWeeks.h"

#include <gtest/gtest.h>

TEST(EpiWeeks, WeekOneHoldsTheFourthOfJanuary) {
    const auto y2026 = epiWeeksOfYear(2026);
    EXPECT_EQ(y2026.first().first, QDate(2026, 1, 4));  // a Sunday itself
    const auto y2025 = epiWeeksOfYear(2025);
    EXPECT_EQ(y2025.first().first, QDate(2024, 12, 29));  // 4 January 2025 was a Saturday
    EXPECT_EQ(epiWeeksOfYear(2021).first().first, QDate(2021, 1, 3));
}

TEST(EpiWeeks, YearsFollowEachOtherWithoutGapsOrOverlaps) {
    for (int year = 2000; year <= 2040; ++year) {
        const auto weeks = epiWeeksOfYear(year);
        ASSERT_TRUE(weeks.size() == 52 || weeks.size() == 53) << year;
        for (int i = 0; i < weeks.size(); ++i) {
            EXPECT_EQ(weeks[i].week, i + 1);
            EXPECT_EQ(weeks[i].first.dayOfWeek(), 7);
            EXPECT_EQ(weeks[i].last, weeks[i].first.addDays(6));
        }
        EXPECT_EQ(weeks.last().last.addDays(1), epiWeeksOfYear(year + 1).first().first) << year;
    }
    EXPECT_EQ(epiWeeksOfYear(2020).size(), 53);
}
