// SPDX-License-Identifier: GPL-3.0-or-later
// The house geocoder, by table.
#include "registry/address/AddressRules.h"

#include <gtest/gtest.h>

using namespace registry;

TEST(AddressRules, HouseCoordinatesFromTheStreetsBuildings) {
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
