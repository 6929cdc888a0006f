#pragma once
// REL049: an owner with the owner's address and every animal the owner has received.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelProprietarioGeral : public report::Report {
public:
    explicit TfrmRelProprietarioGeral(int ownerId);  // opens its query for that owner
    db::Query qryPrincipal;
};
