// SPDX-License-Identifier: GPL-3.0-or-later
// fold() as a SQLite function: defined by the program on its connections and, built as the loadable extension
// libnurv_fold, by any other program that opens the database (the sqlite3 shell's ".load").
#include "platform/db/SqliteFold.h"

#include "platform/db/Fold.h"

#ifndef NURV_FOLD_EXTENSION
#define SQLITE_CORE 1  // the program calls the SQLite it links; the extension calls the one that loads it
#endif
#include <sqlite3ext.h>

#include <QByteArray>

#include <memory>

#ifdef NURV_FOLD_EXTENSION
SQLITE_EXTENSION_INIT1
#endif

namespace db {

namespace {

void sqliteFold(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int size = sqlite3_value_bytes(argv[0]);
    // Plain ASCII, most names, folds byte by byte; SQLite copies the result into a register it reuses.
    // The result goes with its terminating NUL (length -1): a text without one is copied again by the
    // `like` that reads it, on every row.
    char small[256];
    std::unique_ptr<char[]> large;
    char* folded = small;
    if (size >= int(sizeof small)) {
        large.reset(new char[size_t(size) + 1]);
        folded = large.get();
    }
    bool nul = false;
    for (int i = 0; i < size; ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const QByteArray utf8 = fold(QString::fromUtf8(text, size)).toUtf8();
            sqlite3_result_text(ctx, utf8.constData(), utf8.contains('\0') ? int(utf8.size()) : -1, SQLITE_TRANSIENT);
            return;
        }
        nul = nul || c == 0;
        folded[i] = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    }
    folded[size] = 0;
    sqlite3_result_text(ctx, folded, nul ? size : -1, SQLITE_TRANSIENT);
}

}  // namespace

int defineSqliteFold(sqlite3* connection) {
    // Deterministic, so that indexes may be built over it; innocuous, so that the indexes and triggers of a
    // database may call it even where the schema is not trusted.
    return sqlite3_create_function(connection, "fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                   nullptr, sqliteFold, nullptr, nullptr);
}

}  // namespace db

#ifdef NURV_FOLD_EXTENSION
// The entry point SQLite looks for in libnurv_fold.so, and the one it tries when the file was renamed.
extern "C" int sqlite3_nurvfold_init(sqlite3* connection, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return db::defineSqliteFold(connection);
}

extern "C" int sqlite3_extension_init(sqlite3* connection, char** error, const sqlite3_api_routines* api) {
    return sqlite3_nurvfold_init(connection, error, api);
}
#endif
