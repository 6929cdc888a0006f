// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Rel.:042" - the professionals by their home unit, with the number of each unit and the total.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelProficional : public report::Report {
public:
    TfrmRelProficional();

    db::Query qryPrincipal;
};
