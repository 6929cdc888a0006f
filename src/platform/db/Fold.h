// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fold(): the case- and accent-free form of a text that the searches compare. One implementation serves the
// program, its SQL function on SQLite (on its own connections and in the loadable extension that other tools
// load) and the function it writes for PostgreSQL.

#include <QString>
#include <vector>

namespace db {

// Characters below this one fold through one table.
inline constexpr char16_t kFoldTableEnd = 0x250;

// Case- and accent-free form of a text, as the SQL function fold() computes it on both engines. Below U+0250
// every character folds through one table; letters with a stroke or bar fold to their plain letter (Ø to o,
// Ł to l, Đ and Ð to d), ligatures and ß only to lower case. Above it, accents are dropped from the canonical
// decomposition and the rest lowered.
QString fold(const QString& text);

// Every character below U+10000 whose folded form differs from itself, with that form (empty for the marks
// that fold drops, several characters for a Hangul syllable): what writes the server's function.
struct FoldedCharacter {
    char16_t character;
    QString folded;
};
const std::vector<FoldedCharacter>& foldedCharacters();

// fold()'s version: a digest of what it makes of every character below U+10000. It changes with the mapping,
// whether this code or the Unicode tables of the Qt it runs on changed it, and with it every index over fold()
// must be built again.
const QString& foldVersion();

}  // namespace db
