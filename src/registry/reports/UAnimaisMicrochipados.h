// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL039: the microchipped animals registered in a period, by the owner's work unit, with a count per
// unit and a grand total.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <QDate>

namespace registry {
inline const QString kErroGerarRelatorio = QStringLiteral("Erro ao gerar o relatório.");
}  // namespace registry

class TfrmAnimaisMicrochipados : public report::Report {
public:
    // The days from `first` to `last`, both included; `unit` above 0 keeps the owners of that unit.
    TfrmAnimaisMicrochipados(const QDate& first, const QDate& last, int unit);
    db::Query qryPrincipal;

    // Builds the report and previews it modally; a failure shows kErroGerarRelatorio.
    static void preview(const QDate& first, const QDate& last, int unit);
};
