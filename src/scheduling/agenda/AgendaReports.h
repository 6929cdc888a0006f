// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The agenda's printed reports: "REL050" the daily agenda of a period per unit and day, "REL051" the
// monthly counts per unit, professional and procedure type, "REL052" the annual list per unit and status
// and "Rel.:042" the professionals' agenda of a period. Each copies its parameters and reads its rows when
// created, so printing from its preview prints what it shows.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <memory>

namespace scheduling {
inline const QString kRelatorioNaoConstruido =
    QStringLiteral("O relatório não pode ser construído, entre em contato com o administrador do sistema.");
}  // namespace scheduling

// From DataInicialRel, DataFinalRel and UnidadeRel (above 0: that unit only).
class TfrmRelAgendaDiaria : public report::Report {
public:
    TfrmRelAgendaDiaria();
    db::Query qryPrincipal;
};

// From AnoRel, MesRel and UnidadeRelMensal (first character "0": every unit). Build it through create().
class TfrmRelAgendaRelatorioMensal : public report::Report {
public:
    // The report, or null after telling the operator that a parameter is blank or no number.
    static std::shared_ptr<TfrmRelAgendaRelatorioMensal> create();
    TfrmRelAgendaRelatorioMensal(int year, int month, int unit);
    db::Query qryPrincipal;
};

// Every attendance of every year.
class TfrmRelAgendaMensal : public report::Report {
public:
    TfrmRelAgendaMensal();
    db::Query qryPrincipal;
};

// From DataInicialProf, DataFinalProf (whole days) and ProfissionalRel ("0": every professional).
class TfrmRelAgendaProfissional : public report::Report {
public:
    TfrmRelAgendaProfissional();
    db::Query qryPrincipal;
};
