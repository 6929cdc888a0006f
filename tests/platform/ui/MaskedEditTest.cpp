// SPDX-License-Identifier: GPL-3.0-or-later
// Where typing goes on in a masked box (hours, phones) after a click anywhere in it: the click that X11 delivers
// leaves the cursor where it landed, past the end of an empty hour box, and the typed hour was lost.
#include "platform/ui/MaskedEdit.h"

#include <gtest/gtest.h>

TEST(MaskedEdit, TypingGoesOnAfterTheLastFilledSlot) {
    const struct {
        const char* mask;
        const char* shown;
        int at;
    } cases[] = {
        {"99:99;_", "__:__", 0},
        {"99:99;_", "09:__", 2},
        {"99:99;_", "09:3_", 4},
        {"99:99;_", "09:30", 5},
        {"90:00; ", "  :  ", 0},
        {"(00)0000##0000;_", "(__)________", 1},
        {"(00)0000##0000;_", "(11)3333____", 8},
        {"\\A99;_", "A__", 1},  // an escaped literal
        {">AA;_", "__", 0},     // a case switch takes no place
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::typingPosition(c.mask, c.shown), c.at) << c.mask << " " << c.shown;
}
