// SPDX-License-Identifier: GPL-3.0-or-later
// REL038: animals registered, consolidated.

#include "registry/reports/UAnimaisCadastradoConsolidado.h"

#include "common/Prompts.h"
#include "common/ReportParts.h"
#include "registry/reports/AnimalReportsSql.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPieSeries>
#include <QValueAxis>

namespace {

QChart* drawn(const ChartData& data) {
    auto* chart = new QChart;
    chart->setTitle(data.title);
    chart->setAnimationOptions(QChart::NoAnimation);
    switch (data.kind) {
    case ChartData::Kind::Pie: {
        auto* pie = new QPieSeries(chart);
        for (const auto& [name, count] : data.values)
            pie->append(QStringLiteral("%1 (%2)").arg(name).arg(count), count);
        chart->addSeries(pie);
        break;
    }
    case ChartData::Kind::Bar: {
        auto* bars = new QBarSeries(chart);
        auto* set = new QBarSet(data.title);
        QStringList names;
        for (const auto& [name, count] : data.values) {
            *set << count;
            names << name;
        }
        bars->append(set);
        chart->addSeries(bars);
        auto* axis = new QBarCategoryAxis(chart);
        axis->append(names);
        chart->addAxis(axis, Qt::AlignBottom);
        bars->attachAxis(axis);
        chart->legend()->hide();
        break;
    }
    case ChartData::Kind::Lines: {
        auto* days = new QDateTimeAxis(chart);
        days->setFormat(QStringLiteral("dd/MM"));
        auto* counts = new QValueAxis(chart);
        counts->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(days, Qt::AlignBottom);
        chart->addAxis(counts, Qt::AlignLeft);
        for (const ChartData::Series& s : data.series) {
            auto* line = new QLineSeries(chart);
            line->setName(s.name);
            for (const auto& [day, count] : s.days)
                line->append(double(day.startOfDay().toMSecsSinceEpoch()), count);
            chart->addSeries(line);
            line->attachAxis(days);
            line->attachAxis(counts);
        }
        break;
    }
    }
    return chart;
}

}  // namespace

TfrmAnimaisCadastradoConsolidado::TfrmAnimaisCadastradoConsolidado(const QDate& first, const QDate& last) {
    setTitle(QStringLiteral("Animais Cadastrados Consolidado"));
    setOrientation(report::Orientation::Landscape);
    setMargins(10);
    const qreal w = bodyRectMm().width();
    charts = animalreportssql::consolidatedCharts(first, last, readFailed);

    report::Band& title = addBand(report::BandType::Title, 22);
    addReportHeading(title, QStringLiteral("REL038"), QStringLiteral("Animais Cadastrados Consolidado"), w);
    title.addLabel(QRectF(0, 16, w, 5),
                   QStringLiteral("Período de %1 a %2")
                       .arg(first.toString(QStringLiteral("dd/MM/yyyy")), last.toString(QStringLiteral("dd/MM/yyyy"))));
    const qreal chartW = w / 3;
    const qreal chartH = 75;
    report::Band& body = addBand(report::BandType::Summary, 2 * chartH + 4);
    for (int i = 0; i < charts.size(); ++i) {
        const ChartData data = charts[i];
        body.addChart(QRectF((i % 3) * chartW, (i / 3) * (chartH + 4), chartW - 2, chartH),
                      [data](const report::Context&) { return drawn(data); });
    }
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

std::shared_ptr<TfrmAnimaisCadastradoConsolidado> TfrmAnimaisCadastradoConsolidado::create(const QDate& first,
                                                                                           const QDate& last) {
    auto report = std::make_shared<TfrmAnimaisCadastradoConsolidado>(first, last);
    if (report->readFailed)
        Prompts::error(registry::kErroAbrirRelatorio);
    return report;
}
