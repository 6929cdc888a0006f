// SPDX-License-Identifier: GPL-3.0-or-later
// REL025's layout: the work units.
#include "shell/units/URelUnidade.h"

#include "common/ReportParts.h"
#include "shell/units/UnidadeSql.h"

TfrmRelUnidade::TfrmRelUnidade() {
    setTitle(QStringLiteral("Unidade de Trabalho"));
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    unidadesql::prepareReport(qryUnidade);
    setData(reportData(qryUnidade));

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL025"),
                     QStringLiteral("Unidade de Trabalho"), w);

    report::Band& detail = addBand(report::BandType::Detail, 16).setGrows();
    detail
        .addExpression(QRectF(0, 1, w * 0.7 - 1, 5),
                       [](const report::Context& c) {
                           return QVariant(c.text(QStringLiteral("id_unidade_trabalho")) + QStringLiteral(" - ") +
                                           c.text(QStringLiteral("nome")));
                       })
        .setBold();
    detail
        .addExpression(QRectF(w * 0.7, 1, w * 0.3, 5),
                       [](const report::Context& c) {
                           return QVariant(QStringLiteral(" Registro: ") + c.text(QStringLiteral("ind_status")));
                       })
        .setAlignment(Qt::AlignRight);
    detail.addField(QRectF(4, 7, w - 4, 5), QStringLiteral("descricao")).setWordWrap();

    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(0, 2, 40, 5), QStringLiteral("Total de registro:")).setBold();
    summary.addExpression(QRectF(40, 2, 30, 5), [](const report::Context& c) { return QVariant(c.count()); });

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
