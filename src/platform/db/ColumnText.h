// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts measured as a text column holds them: PostgreSQL's varchar(n) counts characters (code points, a
// surrogate pair one), and SQLite, which enforces no width, is held to the same count. A text is cut only
// between whole characters as the reader sees them: a letter never parted from its accents, an emoji never cut
// in two, so that the value stored is the value shown and read back.

#include <QString>
#include <QStringView>

namespace db {

// The characters of `text` as a column counts them.
qsizetype columnLength(QStringView text);

// Where the text inserted at [from, to) of `text` ends once cut so that the whole holds in `length` characters:
// `to` when it all fits, else the end of its longest head that fits and ends between whole characters (`from`
// when none does).
qsizetype fitInsertion(const QString& text, qsizetype from, qsizetype to, qsizetype length);

// The longest head of `text` that a column of `length` characters holds, ending between whole characters.
QString fitColumn(const QString& text, qsizetype length);

}  // namespace db
