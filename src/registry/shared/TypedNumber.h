// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole number typed in a code box or a search's text.

#include <QString>
#include <QVariant>

// The whole number typed, blanks aside, or null, so that a comparison with it finds nothing.
QVariant wholeNumber(const QString& text);
