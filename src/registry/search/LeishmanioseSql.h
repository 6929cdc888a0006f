// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The leishmaniasis results query's statement, on the sibling system's read-only connection: its criteria as
// conditions with bound values, and the column each column of its grid sorts by.

#include "platform/db/DataSet.h"
#include "registry/search/LeishmanioseRules.h"
#include "registry/search/PesquisaAvancadoSql.h"

namespace leishmaniosesql {

// The conditions after the join of bulletins and samples, in the order sample, animal, street, number.
// Throws InvalidCriterion for a number that is none.
SearchFilter lvcFilter(const LvcCriteria& criteria);

// The column of the statement that the grid column showing `field` sorts by; empty for none.
QString sortExpression(const QString& field);

// Opens `data` on the samples with their bulletins that `filter` keeps, ordered by the grid column showing
// `sortField` when one is given.
void open(db::DataSet& data, const SearchFilter& filter, const QString& sortField = {});

}  // namespace leishmaniosesql
