// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL049: owners, by name, with their address and every animal each has received; one owner or all.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <optional>

class TfrmRelProprietarioGeral : public report::Report {
public:
    // Opens its query for that owner, or for every owner.
    explicit TfrmRelProprietarioGeral(std::optional<int> ownerId = std::nullopt);
    db::Query qryPrincipal;
};
