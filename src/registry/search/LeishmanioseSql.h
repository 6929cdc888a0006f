#pragma once
// The leishmaniasis results query's statement, on the sibling system's read-only connection.

#include "platform/db/DataSet.h"
#include "registry/search/PesquisaAvancadoRules.h"

namespace LeishmanioseSql {

// Opens `data` on the samples with their bulletins that `filter` keeps, ordered by `orderBy` when set.
void open(db::DataSet& data, const SearchFilter& filter, const QString& orderBy = {});

}  // namespace LeishmanioseSql
