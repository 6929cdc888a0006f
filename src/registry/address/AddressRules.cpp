// SPDX-License-Identifier: GPL-3.0-or-later
// The house geocoder.
#include "registry/address/AddressRules.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace registry;

namespace {

std::optional<int> houseOf(const QString& stored, int length) {
    bool ok = false;
    const int n = stored.left(length).trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

Coordinates geocode(int number, const QList<Building>& buildings) {
    for (const Building& b : buildings) {
        if (houseOf(b.number.trimmed(), b.number.trimmed().size()) == number)
            return {b.x, b.y, kGradeExato};
    }
    struct Candidate {
        int house;
        const Building* building;
    };
    auto candidates = [&](bool sameSide) {
        QList<Candidate> list;
        for (const Building& b : buildings) {
            const std::optional<int> h = houseOf(b.number, 5);
            if (!h || *h < number - 100 || *h > number + 100)
                continue;
            if (sameSide && (std::abs(*h) % 2) != (std::abs(number) % 2))
                continue;
            list.append({*h, &b});
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Candidate& l, const Candidate& r) { return l.house < r.house; });
        return list;
    };
    QList<Candidate> list = candidates(true);
    if (list.isEmpty())
        list = candidates(false);
    Coordinates found;
    int lower = 0, higher = 0;
    for (const Candidate& c : list) {
        found.x = c.building->x;
        found.y = c.building->y;
        if (c.house <= number) {
            lower = c.house;
        } else {
            higher = c.house;
            break;
        }
    }
    const int d1 = std::abs(number - lower), d2 = std::abs(higher - number);
    const bool holds = d1 >= d2 ? higher <= number + 100 : lower >= number - 100;
    if (holds) {
        found.grade = kGradeAproximado;
        return found;
    }
    return {0, 0, kGradeDistancia};
}
