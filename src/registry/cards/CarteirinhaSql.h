#pragma once
// The card selection's statement: owners found by code or by the start of the name, one row per animal.

#include "platform/db/DataSet.h"

#include <optional>

namespace CarteirinhaSql {

// Opens `data` on the owners whose code is `code` (when set) or whose name begins with `name`.
void openOwners(db::DataSet& data, std::optional<int> code, const QString& name);

}  // namespace CarteirinhaSql
