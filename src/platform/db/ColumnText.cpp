// SPDX-License-Identifier: GPL-3.0-or-later
// Texts measured in a column's characters and cut between whole characters.
#include "platform/db/ColumnText.h"

#include <QTextBoundaryFinder>

namespace db {

qsizetype columnLength(QStringView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

qsizetype fitInsertion(const QString& text, qsizetype from, qsizetype to, qsizetype length) {
    const qsizetype outside = columnLength(QStringView(text).left(from)) + columnLength(QStringView(text).mid(to));
    if (outside + columnLength(QStringView(text).mid(from, to - from)) <= length)
        return to;
    // The boundaries of whole characters inside the insertion, seen in the whole text: an accent inserted after
    // a letter already there belongs to that letter.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(from);
    qsizetype kept = from, counted = outside;
    for (qsizetype at = finder.isAtBoundary() ? from : finder.toNextBoundary(); at >= 0 && at <= to;
         at = finder.toNextBoundary()) {
        counted += columnLength(QStringView(text).mid(kept, at - kept));
        if (counted > length)
            break;
        kept = at;
    }
    return kept;
}

QString fitColumn(const QString& text, qsizetype length) {
    return text.left(fitInsertion(text, 0, text.size(), length));
}

}  // namespace db
