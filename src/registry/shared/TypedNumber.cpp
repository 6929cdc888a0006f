// SPDX-License-Identifier: GPL-3.0-or-later
// A whole number typed.
#include "registry/shared/TypedNumber.h"

QVariant wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}
