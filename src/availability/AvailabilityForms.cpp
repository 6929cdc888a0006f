// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the availability map from the main menu.

#include "availability/AvailabilityForms.h"

#include "availability/UMapaDisponibilidade.h"
#include "common/FormWindows.h"
#include "common/access/FormOpening.h"

void registerAvailabilityForms() {
    registerOpener(QStringLiteral("actMapaDisponibilidade"), [] {
        frmMapaDisponibilidade = new TfrmMapaDisponibilidade;
        showForm(frmMapaDisponibilidade, ShowAs::MdiChild);
    });
}
