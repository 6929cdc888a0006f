// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL037: the occurrences of one animal of one owner, with the animal and the owner's address.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelRegistroOcorrencia : public report::Report {
public:
    TfrmRelRegistroOcorrencia(int animalId, int ownerId);  // opens its query
    bool isEmpty() const { return qryPrincipal.isEmpty(); }
    db::Query qryPrincipal;
};
