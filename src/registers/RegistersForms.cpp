// SPDX-License-Identifier: GPL-3.0-or-later
// The reference registers' menu openers, each a description of its table handed to the one register.
#include "registers/RegistersForms.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "registers/ReferenceForms.h"
#include "registers/UProfissional.h"
#include "registers/URelProfissional.h"

void registerRegistersForms() {
    for (const ReferenceTable* table : referenceTables()) {
        registerOpener(table->action, table->open);
        // Each use makes a new report, which lives until its preview closes.
        if (!table->reportAction.isEmpty())
            registerOpener(table->reportAction, [table] { Prompts::preview(table->report(), false); });
    }
    registerOpener(QStringLiteral("actProfissional"), [] {
        frmProfissional = new TfrmProfissional;
        applyFormRights(frmProfissional, 7);
        showForm(frmProfissional, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actRelProfissional"),
                   [] { Prompts::preview(std::make_shared<TfrmRelProficional>(), false); });
}
