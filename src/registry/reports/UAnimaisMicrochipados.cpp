// SPDX-License-Identifier: GPL-3.0-or-later
// REL039: microchipped animals.

#include "registry/reports/UAnimaisMicrochipados.h"

#include "common/Prompts.h"
#include "common/ReportParts.h"
#include "registry/reports/AnimalReportsSql.h"

using namespace registry;

TfrmAnimaisMicrochipados::TfrmAnimaisMicrochipados(const QDate& first, const QDate& last, int unit) {
    setTitle(QStringLiteral("Animais Microchipado"));
    setOrientation(report::Orientation::Landscape);
    setMargins(10);
    const qreal w = bodyRectMm().width();
    animalreportssql::prepareMicrochipped(qryPrincipal, first, last, unit);
    setData(largeReportData(qryPrincipal));

    report::Band& header = addBand(report::BandType::PageHeader, 22);
    addReportHeading(header, QStringLiteral("REL039"), QStringLiteral("Animais Microchipado"), w);
    header.addLabel(QRectF(0, 16, w, 5), QStringLiteral("Período de %1 a %2")
                                             .arg(first.toString(QStringLiteral("dd/MM/yyyy")),
                                                  last.toString(QStringLiteral("dd/MM/yyyy"))));

    const QList<std::pair<QString, qreal>> columns{
        {QStringLiteral("Animal:"), 0.2},     {QStringLiteral("Raça:"), 0.13},
        {QStringLiteral("Especie:"), 0.1},    {QStringLiteral("Grupo:"), 0.1},
        {QStringLiteral("Sexo:"), 0.05},      {QStringLiteral("Esterilizado:"), 0.08},
        {QStringLiteral("Microchip:"), 0.12}, {QStringLiteral("Proprietário:"), 0.22}};
    report::Band& titles = addBand(report::BandType::ColumnHeader, 6);
    report::Band& detail = addBand(report::BandType::Detail, 5);
    const QList<report::Expression> values{
        [](const report::Context& c) {
            return QVariant(c.text(QStringLiteral("Id_Animal")) + QStringLiteral(" - ") +
                            c.text(QStringLiteral("nome_animal")));
        },
        [](const report::Context& c) { return c.value(QStringLiteral("nome_Raca")); },
        [](const report::Context& c) { return c.value(QStringLiteral("nome_Especie")); },
        [](const report::Context& c) { return c.value(QStringLiteral("nome_grupo")); },
        [](const report::Context& c) { return c.value(QStringLiteral("Sexo")); },
        [](const report::Context& c) { return c.value(QStringLiteral("Esterilizado")); },
        [](const report::Context& c) { return c.value(QStringLiteral("Num_Microchip")); },
        [](const report::Context& c) {
            return QVariant(c.text(QStringLiteral("Id_Proprietario")) + QStringLiteral(" - ") +
                            c.text(QStringLiteral("nome_Proprietario")));
        },
    };
    qreal x = 0;
    for (int i = 0; i < columns.size(); ++i) {
        const qreal width = columns[i].second * w;
        titles.addLabel(QRectF(x, 0.5, width - 1, 5), columns[i].first).setBold();  // a millimetre apart
        detail.addExpression(QRectF(x, 0, width - 1, 5), values[i]);
        x += width;
    }

    report::Group& unitGroup = addGroup(QStringLiteral("id_unidade_trabalho"));
    unitGroup.addHeader(7).addField(QRectF(0, 1, w, 5), QStringLiteral("nome_Unidade_Trabalho")).setBold();
    unitGroup.addFooter(7)
        .addExpression(
            QRectF(0, 1, w, 5),
            [](const report::Context& c) { return QVariant(QStringLiteral("Todos da regional: %1").arg(c.count())); })
        .setBold();
    addBand(report::BandType::Summary, 8)
        .addExpression(
            QRectF(0, 2, w, 5),
            [](const report::Context& c) { return QVariant(QStringLiteral("Total geral: %1").arg(c.count())); })
        .setBold();
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

void TfrmAnimaisMicrochipados::preview(const QDate& first, const QDate& last, int unit) {
    std::shared_ptr<TfrmAnimaisMicrochipados> report;
    try {
        report = std::make_shared<TfrmAnimaisMicrochipados>(first, last, unit);
    } catch (const std::exception&) {
        Prompts::error(kErroGerarRelatorio);
        return;
    }
    Prompts::preview(report, true);
}
