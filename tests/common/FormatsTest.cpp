// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed formats of dates and numbers whatever the machine's locale.
#include "common/rules/Formats.h"

#include <gtest/gtest.h>
#include <QLocale>

TEST(Formats, DatesAreDayMonthYear) {
    EXPECT_EQ(fmt::date(QDate(2024, 5, 27)), "27/05/2024");
    EXPECT_EQ(fmt::date(QDate()), "");
    EXPECT_EQ(fmt::dateTime(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))), "02/01/2024 03:04:05");
    EXPECT_EQ(fmt::parseDate("7/3/2024"), QDate(2024, 3, 7));
    EXPECT_FALSE(fmt::parseDate("2024-03-07").isValid());
    EXPECT_FALSE(fmt::parseDate("31/02/2024").isValid());
    EXPECT_FALSE(fmt::parseDate("").isValid());
}

TEST(Formats, DecimalComma) {
    EXPECT_EQ(fmt::decimal(12.5, 2), "12,50");
    double v = 0;
    EXPECT_TRUE(fmt::parseDecimal("12,5", &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(fmt::parseDecimal(" 7 ", &v));
    EXPECT_DOUBLE_EQ(v, 7);
    EXPECT_FALSE(fmt::parseDecimal("12.5", &v));
    EXPECT_FALSE(fmt::parseDecimal("doze", &v));
}

TEST(Formats, ProcessLocaleWhateverTheMachine) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    fmt::installLocale();
    const QLocale l;
    EXPECT_EQ(l.decimalPoint(), ",");
    EXPECT_EQ(l.toString(1.5, 'f', 1), "1,5");
    EXPECT_EQ(l.toString(QDate(2024, 5, 27), QLocale::ShortFormat), "27/05/2024");
}
