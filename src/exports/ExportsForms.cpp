// SPDX-License-Identifier: GPL-3.0-or-later
// Openers of the export forms and of the auxiliary vaccination tables.

#include "exports/ExportsForms.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "exports/UExportaTabelaAgendamento.h"
#include "exports/UExportaTabelas.h"
#include "exports/UExportarDados.h"
#include "exports/UQuorvantaPrincipal.h"

namespace {

// A window of its own, centred over the work area; freed on close. No per-form rights apply.
template <class Form>
void openCentred(QPointer<Form>& global, Qt::WindowFlags flags = {}) {
    global = new Form;
    if (flags)
        global->setWindowFlags(Qt::Window | flags);
    showForm(global, ShowAs::Window);
}

}  // namespace

void registerExportsForms() {
    registerOpener(QStringLiteral("actExportaDados"), [] { openCentred(frmExportarDados); });
    registerOpener(QStringLiteral("actExtratorTabelasSistema"), [] { openCentred(frmExportaTabelas); });
    registerOpener(QStringLiteral("actExportaTabelaAgendamento"),
                   [] { openCentred(frmExportaTabelaAgendamento, Qt::CustomizeWindowHint | Qt::WindowTitleHint); });
    registerOpener(QStringLiteral("actQuorvanta"), [] { openCentred(frmQuorvantaPrincipal); });
}
