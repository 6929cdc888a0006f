// SPDX-License-Identifier: GPL-3.0-or-later
// The standard prescription's printout.
#include "scheduling/prescriptions/UReceituarioPadraoImp.h"

#include "common/ReportParts.h"
#include "scheduling/prescriptions/ReceituarioSql.h"

TfrmreceituarioPadraoImp::TfrmreceituarioPadraoImp() {
    setTitle(QStringLiteral("Texto do receituário"));
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    receituariosql::prepareStandardReport(qryPrincipal);
    setData(reportData(qryPrincipal));
    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL001"),
                     QStringLiteral("Texto do receituário"), w);
    report::Band& detail = addBand(report::BandType::Detail, 7);
    detail.setGrows();
    detail.addField(QRectF(0, 1, w, 5), QStringLiteral("descricao")).setWordWrap();
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
