// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cards' statements: the selection's owners found by code or by the start of the name, one row per
// animal, and the card of one animal with its owner and the owner's address.

#include "platform/db/DataSet.h"

#include <optional>

namespace carteirinhasql {

// Opens `data` on the owners whose code is `code` (when set) or whose name begins with `name`, a % or _ in it
// standing for any text or character.
void openOwners(db::DataSet& data, std::optional<int> code, const QString& name);

// Fills `query` with the animal's card: the animal with its species, breed, group and coat, its owner and
// the owner's address.
void prepareCard(db::Query& query, int animalId);

}  // namespace carteirinhasql
