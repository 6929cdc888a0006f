// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a report prints, as the text export writes it: whole, and line by line with blanks folded.

#include "platform/report/Output.h"
#include "platform/report/Report.h"

#include <QStringList>

inline QString printedText(const report::Report& r) { return report::exportText(r.layout(), report::Format::Text); }

inline QStringList printedLines(const report::Report& r) {
    QStringList out;
    for (const QString& l : printedText(r).split('\n'))
        out << l.simplified();
    return out;
}
