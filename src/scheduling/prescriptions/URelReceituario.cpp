// SPDX-License-Identifier: GPL-3.0-or-later
// The prescription sheet.
#include "scheduling/prescriptions/URelReceituario.h"

#include "common/ReportParts.h"
#include "platform/db/Database.h"

TfrmRelReceituario::TfrmRelReceituario(ReceituarioSheet sheet) : m_sheet(std::move(sheet)) {
    setTitle(QStringLiteral("Receituário"));
    setMargins(2.6);
    setNow(db::serverTime());
    const qreal w = bodyRectMm().width();
    report::Band& title = addBand(report::BandType::Title, 24);
    addReportHeading(title, QStringLiteral("REL001"), QStringLiteral("Receituário"), w);
    title.addLabel(QRectF(0, 15, w, 6), m_sheet.unitName).setBold();

    const QStringList lines = sheetLines(m_sheet);
    report::Band& body = addBand(report::BandType::Detail, 40);
    body.setGrows();
    body.addLabel(QRectF(0, 2, w, 6), lines[0]);
    body.addLabel(QRectF(0, 9, w, 6), lines[1]);
    body.addMemo(QRectF(0, 18, w, 12), lines[2]);
    body.addLabel(QRectF(0, 33, w, 6), lines[3]);
}
