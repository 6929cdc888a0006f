// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identification card of one animal, front and back, on an A4 landscape page (side by side) or, for
// the portrait layout, an A4 portrait page (one above the other, "---" for some blank values).

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRelCarteirinha : public report::Report {
public:
    explicit TfrmRelCarteirinha(int animalId) : TfrmRelCarteirinha(animalId, false) {}
    db::Query qryCarteirinha;

protected:
    TfrmRelCarteirinha(int animalId, bool portrait);
};

// The card's logo, bundled with the program.
QByteArray cardLogo();
