// The attendance scheduling's menu openers.
#include "scheduling/SchedulingForms.h"

#include "common/FormOpening.h"
#include "common/Prompts.h"
#include "scheduling/AgendaDialogs.h"
#include "scheduling/AgendaReports.h"
#include "scheduling/UAgenda.h"

void registerSchedulingForms() {
    // The agenda and its reports register their actions here as they come.
    registerOpener(QStringLiteral("actAgenda"), [] { TfrmAgenda::open(); });
    registerOpener(QStringLiteral("actRelAgendaDiaria"), [] { openSelRelAgendaDiaria(); });
    registerOpener(QStringLiteral("actRelAgendaMensal"), [] { openSelRelAgendaMensal(); });
    registerOpener(QStringLiteral("actRelAgendaAnual"), [] { Prompts::preview(std::make_shared<TfrmRelAgendaMensal>(), false); });
    registerOpener(QStringLiteral("actSelAgendaProfissional"), [] { openSelAgendaProfissional(); });
}
