// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL043: every row of the ownership history, grouped by animal under the animal's current owner.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelAnimaisTransferidos : public report::Report {
public:
    TfrmRelAnimaisTransferidos();  // opens its query
    db::Query qryAnimal;
};
