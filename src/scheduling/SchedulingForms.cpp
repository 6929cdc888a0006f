// The attendance scheduling's menu openers.
#include "scheduling/SchedulingForms.h"

#include "common/FormOpening.h"
#include "scheduling/UAtendimentoParticular.h"
#include "scheduling/UReceituarioPadrao.h"

void registerSchedulingForms() {
    // The agenda and its reports register their actions here as they come.
    registerOpener(QStringLiteral("actAtendimentoParticular"), [] { TfrmAtendimentoParticular::open(); });
    registerOpener(QStringLiteral("actReceituarioPadrao"), [] { TfrmReceituarioPadrao::open(); });
}
