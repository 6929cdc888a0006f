// SPDX-License-Identifier: GPL-3.0-or-later
// The attendance scheduling's menu openers.
#include "scheduling/SchedulingForms.h"

#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "scheduling/agenda/AgendaDialogs.h"
#include "scheduling/agenda/AgendaReports.h"
#include "scheduling/agenda/UAgenda.h"
#include "scheduling/booking/UAgendaNovoAtendimento.h"
#include "scheduling/prescriptions/UReceituarioPadrao.h"
#include "scheduling/private/UAtendimentoParticular.h"

void registerSchedulingForms() {
    registerOpener(QStringLiteral("actAgenda"), [] { TfrmAgenda::open(); });
    registerOpener(QStringLiteral("actRelAgendaDiaria"), [] { openSelRelAgendaDiaria(); });
    registerReportStarter(50, [] { Prompts::preview(std::make_shared<TfrmRelAgendaDiaria>(), true); });
    // The registry's animal reports take their period and unit in the same dialog.
    registerOpener(QStringLiteral("actRelAnimaisCadastradosConsolidado"), [] { openSelRelDataUnidade(38); });
    registerOpener(QStringLiteral("actRelAnimaisMicrochipado"), [] { openSelRelDataUnidade(39); });
    registerOpener(QStringLiteral("actRelAgendaMensal"), [] { openSelRelAgendaMensal(); });
    registerOpener(QStringLiteral("actRelAgendaAnual"),
                   [] { Prompts::preview(std::make_shared<TfrmRelAgendaMensal>(), false); });
    registerOpener(QStringLiteral("actSelAgendaProfissional"), [] { openSelAgendaProfissional(); });
    registerOpener(QStringLiteral("actAtendimentoParticular"), [] { TfrmAtendimentoParticular::open(); });
    registerOpener(QStringLiteral("actReceituarioPadrao"), [] { TfrmReceituarioPadrao::open(); });
    // "&Marca atendimento..." of the owner and animal register, after it has set the hand-off variables.
    registerOpener(QStringLiteral("actMarcaAtendimento"), [] { TfrmAgendaNovoAtendimento::openPreset(); });
}
