// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of an identification card.
#include "registry/cards/CarteirinhaRules.h"

#include <gtest/gtest.h>

TEST(CardTexts, CodeAddressAndPhones) {
    EXPECT_EQ(registrationCode(57), "57-57");
    EXPECT_EQ(cardPhones("(  )    -    ", "61999990000", "6133330000"), "61999990000");
    EXPECT_EQ(cardPhones("6133334444", "61999990000", "x"), "6133334444 / 61999990000");
    EXPECT_EQ(cardPhones("", " ", "6133330000"), "6133330000");
    EXPECT_EQ(cardPhones("", "", "()-"), "");
    EXPECT_EQ(cardAddress(true, "R", "DAS FLORES", "51", "", "CENTRO"), "R: DAS FLORES, 51; ; B:CENTRO");
    EXPECT_EQ(cardAddress(false, "R", "X", "1", "", ""), "");
}
