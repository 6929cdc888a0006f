// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a report prints, as the text export writes it: whole, and line by line with blanks folded; and each
// text as laid out.

#include "platform/report/Output.h"
#include "platform/report/Report.h"

#include <QStringList>

inline QString printedText(const report::Report& r) { return report::exportText(r.layout(), report::Format::Text); }

// Each text the report printed where it stands, the lines of a wrapped text joined by blanks.
inline QStringList printedItems(const report::Report& r) {
    QStringList out;
    for (const report::Page& page : r.layout().pages)
        for (const report::Element& e : page.elements)
            if (e.kind == report::Element::Kind::Text)
                out << QString(e.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

inline QStringList printedLines(const report::Report& r) {
    QStringList out;
    for (const QString& l : printedText(r).split('\n'))
        out << l.simplified();
    return out;
}
