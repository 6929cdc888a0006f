// SPDX-License-Identifier: GPL-3.0-or-later
// The birth date estimated from an age.

#include "registry/animal/IdadeRules.h"

namespace {

bool count(const QString& box, int* value) {
    const QString text = box.trimmed();
    *value = 0;
    if (text.isEmpty())
        return true;
    for (QChar c : text)
        if (!c.isDigit())
            return false;
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

}  // namespace

QDate birthDateFromAge(const QDate& today, const QString& years, const QString& months) {
    int y = 0;
    int m = 0;
    if (!count(years, &y) || !count(months, &m))
        return {};
    return today.addMonths(-(m + 12 * y));
}
