// SPDX-License-Identifier: GPL-3.0-or-later
// The list report of a reference table, laid out from the table's description.
#include "registers/ReferenceReport.h"

#include "common/ReportParts.h"

namespace {
QString trimmed(const report::Context& c, const QString& field) { return c.text(field).trimmed(); }
}  // namespace

ReferenceReport::ReferenceReport(const ReferenceListReport& list) {
    setTitle(list.title);
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    qryPrincipal << list.sql;
    if (list.opensWhenPrinting)
        setBeforeLayout([this] { setData(reportData(qryPrincipal)); });
    else
        setData(reportData(qryPrincipal));

    addReportHeading(addBand(report::BandType::Title, 16), list.code, list.title, w);

    report::Band& detail = addBand(report::BandType::Detail, 7).setGrows();
    qreal y = 1;
    detail
        .addExpression(QRectF(0, y, w * 0.7 - 1, 5),  // a millimetre short of the status
                       [&list](const report::Context& c) {
                           const QString name = list.nameText ? list.nameText(c) : trimmed(c, list.name);
                           return QVariant(trimmed(c, list.key) + QStringLiteral(" - ") + name);
                       })
        .setBold();
    detail
        .addExpression(
            QRectF(w * 0.7, y, w * 0.3, 5),
            [&list](const report::Context& c) { return QVariant(list.statusPrefix + trimmed(c, list.status)); })
        .setAlignment(Qt::AlignRight);
    for (const auto& line : list.extraLines) {
        y += 5;
        detail.addExpression(QRectF(4, y, w - 4, 5), [&line](const report::Context& c) { return QVariant(line(c)); });
    }
    y += 5;
    detail
        .addExpression(QRectF(4, y, w - 4, 5),
                       [&list](const report::Context& c) { return QVariant(trimmed(c, list.description)); })
        .setWordWrap();
    detail.setHeight(y + 6);

    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(0, 2, 40, 5), list.summary).setBold();
    summary.addExpression(QRectF(40, 2, 30, 5), [](const report::Context& c) { return QVariant(c.count()); });

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
