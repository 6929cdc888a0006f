// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL025: the work units.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelUnidade : public report::Report {
public:
    TfrmRelUnidade();  // opens its master query
    db::Query qryUnidade;
};
