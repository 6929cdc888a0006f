// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL038: the animals, occurrences, procedures and attendances of a period, counted in six charts.

#include "platform/report/Report.h"
#include "registry/reports/AnimalReportsRules.h"

#include <QDate>

#include <memory>

namespace registry {
inline const QString kErroAbrirRelatorio = QStringLiteral("Erro ao tentar abrir o relatório.");
}  // namespace registry

class TfrmAnimaisCadastradoConsolidado : public report::Report {
public:
    // The days from `first` to `last`, both included; the charts read their rows here.
    TfrmAnimaisCadastradoConsolidado(const QDate& first, const QDate& last);
    // The report of the period with what could be read: a counted chart that failed says
    // kErroAbrirRelatorio (an error box) and leaves it and the charts after it empty.
    static std::shared_ptr<TfrmAnimaisCadastradoConsolidado> create(const QDate& first, const QDate& last);
    QList<ChartData> charts;
    bool readFailed = false;  // a counted chart could not be read
};
