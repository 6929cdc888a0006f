// The attendance scheduling's menu openers.
#include "scheduling/SchedulingForms.h"

#include "common/FormOpening.h"
#include "scheduling/UAgendaNovoAtendimento.h"

void registerSchedulingForms() {
    // The agenda and its reports register their actions here as they come.
    // "&Marca atendimento..." of the owner and animal register, after it has set the hand-off variables.
    registerOpener(QStringLiteral("actMarcaAtendimento"), [] { TfrmAgendaNovoAtendimento::openPreset(); });
}
