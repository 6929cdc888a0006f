// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL037: every animal by species and, within it, by animal group, with how many of each level are
// microchipped and sterilised.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmAnimaisCadastradoCompleto : public report::Report {
public:
    TfrmAnimaisCadastradoCompleto();  // opens its query
    db::Query qryPrincipal;
};
