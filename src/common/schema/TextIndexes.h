// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full-text tables that SQLite keeps of the owners' and animals' searched texts (db/upgrade), for the
// searches of a text anywhere in them; `key` is the searched row's key as the statement names it.

#include "platform/db/Search.h"

namespace textindex {

inline db::TextIndex ownerName(const QString& key) {
    return {QStringLiteral("proprietario_fold"), QStringLiteral("nome"), key};
}
inline db::TextIndex animalName(const QString& key) {
    return {QStringLiteral("animal_fold"), QStringLiteral("nome"), key};
}
// The microchip without its blanks.
inline db::TextIndex microchip(const QString& key) {
    return {QStringLiteral("animal_fold"), QStringLiteral("microchip"), key};
}

}  // namespace textindex
