// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fold() as a SQLite function, from the one implementation of platform/db/Fold.h.

struct sqlite3;

namespace db {

// Defines fold(text) on a SQLite connection; SQLite's result code.
int defineSqliteFold(sqlite3* connection);

}  // namespace db
