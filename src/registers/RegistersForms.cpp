#include "registers/RegistersForms.h"

#include "common/FormOpening.h"
#include "common/Prompts.h"
#include "registers/ReferenceForms.h"

void registerReferenceForms() {
    for (const ReferenceTable* table : referenceTables()) {
        registerOpener(table->action, table->open);
        // Each use makes a new report, which lives until its preview closes.
        if (!table->reportAction.isEmpty())
            registerOpener(table->reportAction, [table] { Prompts::preview(table->report(), false); });
    }
}
