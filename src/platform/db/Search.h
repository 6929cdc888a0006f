// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searches of text that ignore case and accents, in the shapes the indexes serve on each engine: a prefix, an
// equality, a text anywhere, a pattern the clerk types.

#include "platform/db/Query.h"

#include <QString>

namespace db {

// The texts of `column` that begin with `typed`, ignoring case and accents (%, _ and \ typed are themselves),
// in the shape the index on fold(column) serves on the engine: a range of fold(column) on SQLite, whose `like`
// no index serves, and a `like` on PostgreSQL, whose pattern index turns it into a range. Binds `param` and
// `param`_end.
Condition foldedPrefix(const QString& column, const QString& param, const QString& typed);

// The rows whose `expression` begins with `text` exactly, in the shape an index on the expression serves: a range
// on SQLite, a `like` on PostgreSQL, whose index must then be of the pattern operator class. Binds `param` (and
// `param`_end).
Condition prefixOf(const QString& expression, const QString& param, const QString& text);

// The texts of `column` equal to `value`, blanks at either end, case and accents aside: "fold(trim(column)) =
// fold(:param)", which the index on fold(trim(column)) serves, also from an outer-joined table.
Condition foldedEqual(const QString& column, const QString& param, const QString& value);

// The trigram index that SQLite keeps of a searched text: a full-text table (FTS5, trigram tokenizer) whose
// rowid is the row's key and whose `column` holds fold() of the text, kept by triggers.
struct TextIndex {
    QString table;
    QString column;
    QString key;  // the searched row's key, as the statement names it
};

// The texts of `column` (a column or an expression over one) that contain `typed`, ignoring case and accents:
// on PostgreSQL the trigram index on fold(column) serves it, on SQLite `index` where one is given, whole
// (textIndexReady()) and three characters or more are typed. Binds `param` (and `param`_words).
Condition foldedContains(const QString& column, const QString& param, const QString& typed,
                         const TextIndex& index = {});

// A search that the clerk may write as a pattern: `typed` folded, its % and _ kept as wildcards (a backslash
// typed matches itself), at the beginning of the text or `anywhere` in it. Without a wildcard it is foldedPrefix or
// foldedContains; with one, the like of the pattern, and on SQLite a range of the literal beginning before
// the first wildcard, so that the index on fold(column) still serves a prefix. Binds `param` and others
// beginning with it.
Condition foldedPattern(const QString& column, const QString& param, const QString& typed, bool anywhere,
                        const TextIndex& index = {});

// The pattern of a prefix search: `fold(column) like :prefix escape '\'` finds the texts that begin with `typed`,
// ignoring case and accents; %, _ and \ typed are matched as themselves.
QString likePrefix(const QString& typed);
// The same for the texts that contain `typed`.
QString likeContains(const QString& typed);
// The condition of such a search on `column` with the parameter `param` (without its colon).
QString foldedLike(const QString& column, const QString& param);

}  // namespace db
