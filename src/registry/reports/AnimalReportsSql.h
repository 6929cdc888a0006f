// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the registry's reports 037, 038 and 039.

#include "platform/db/Query.h"
#include "registry/reports/AnimalReportsRules.h"

namespace animalreportssql {

// The six charts of the consolidated report over the days from `first` to `last`, both included. The five
// counted charts are read in order: the first that fails sets `failed` and leaves itself and those after it
// empty; a failure of the sixth throws.
QList<ChartData> consolidatedCharts(const QDate& first, const QDate& last, bool& failed);

// The microchipped animals registered from `first` to `last` (both included), of the owners of `unit`
// when it is above 0, by unit and animal group.
void prepareMicrochipped(db::Query& q, const QDate& first, const QDate& last, int unit);

// Every animal by species and animal group, with flags of a microchip and of the sterilisation.
void prepareComplete(db::Query& q);

}  // namespace animalreportssql
