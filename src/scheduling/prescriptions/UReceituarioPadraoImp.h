// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "REL001" - the standard prescription text.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmreceituarioPadraoImp : public report::Report {
public:
    TfrmreceituarioPadraoImp();

    db::Query qryPrincipal;
};
