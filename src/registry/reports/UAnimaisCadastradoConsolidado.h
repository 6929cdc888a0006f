// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL038: the animals, occurrences, procedures and attendances of a period, counted in six charts.

#include "platform/report/Report.h"
#include "registry/reports/AnimalReportsRules.h"

#include <QDate>

class TfrmAnimaisCadastradoConsolidado : public report::Report {
public:
    // The days from `first` to `last`, both included; the charts read their rows here.
    TfrmAnimaisCadastradoConsolidado(const QDate& first, const QDate& last);
    QList<ChartData> charts;
};
