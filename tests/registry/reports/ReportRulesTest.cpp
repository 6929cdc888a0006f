// SPDX-License-Identifier: GPL-3.0-or-later
// The shares and the attendances per day of the registry's period reports.
#include "registry/reports/AnimalReportsRules.h"

#include <gtest/gtest.h>

TEST(RegistryReports, SharesAndAttendancesPerDay) {
    EXPECT_EQ(shareText(3, 4), "3 - 75,00%");
    EXPECT_EQ(shareText(1, 3), "1 - 33,33%");
    EXPECT_EQ(shareText(0, 0), "0 - 0,00%");
    const QDate d1(2026, 3, 1), d2(2026, 3, 2);
    const QList<ChartData::Series> s =
        attendancesPerDay({2, 5}, {{2, "NORTE "}}, {{2, d2, 1}, {2, d1, 2}, {3, d1, 4}, {5, QDate(), 3}});
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0].name, "NORTE");
    EXPECT_EQ(s[0].days, (QList<std::pair<QDate, int>>{{d1, 2}, {d2, 1}})) << "in day order";
    EXPECT_EQ(s[1].name, "Unidade 5");
    EXPECT_TRUE(s[1].days.isEmpty());
}
