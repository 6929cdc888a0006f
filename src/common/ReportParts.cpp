// SPDX-License-Identifier: GPL-3.0-or-later
// What the system's reports share: their data, heading, page footer and the "S"/"N" rewrite.
#include "common/ReportParts.h"

#include "common/Prompts.h"
#include "platform/db/Database.h"

QVariant RowSetData::value(int row, const QString& field) const { return valueAt(row, m_rows.fieldIndex(field)); }

QVariant RowSetData::valueAt(int row, int column) const {
    if (column < 0 || column >= m_rows.fields().size() || row < 0 || row >= m_rows.count())
        return {};
    return m_rows.row(row)[column];
}

std::shared_ptr<RowSetData> reportData(db::Query& query) {
    query.open();
    return std::make_shared<RowSetData>(query.rows());
}

std::shared_ptr<report::TableData> largeReportData(const db::Query& query) {
    const std::unique_ptr<Prompts::Progress> reading = Prompts::progress(common::kLendoDados);
    std::shared_ptr<report::TableData> data;
    qint64 read = 0;
    db::forEachRow(query.connectionName(), query.text(), query.params(),
                   [&](const QStringList& fields, const QVector<QVariant>& row) {
                       if (!data)
                           data = std::make_shared<report::TableData>(fields);
                       data->addRow(row);
                       reading->step(++read, 0);
                   });
    return data ? data : std::make_shared<report::TableData>();
}

void addReportHeading(report::Band& band, const QString& code, const QString& title, qreal widthMm) {
    band.addLabel(QRectF(0, 0, 80, 6), QStringLiteral("Nurvalia - NURV")).setBold().setFontSize(11);
    band.addSystem(QRectF(widthMm - 50, 0, 50, 5), report::SystemField::DateTime).setAlignment(Qt::AlignRight);
    band.addLabel(QRectF(widthMm - 50, 5, 50, 5), code).setAlignment(Qt::AlignRight);
    band.addLabel(QRectF(0, 7, widthMm - 52, 7), title).setBold().setFontSize(12);
    band.addShape(QRectF(0, band.height() - 1, widthMm, 0.5), report::Shape::HorizontalLine);
}

void addPageNumber(report::Band& band, qreal widthMm) {
    band.addShape(QRectF(0, 0, widthMm, 0.5), report::Shape::HorizontalLine);
    band.addLabel(QRectF(widthMm - 30, 1, 12, 5), QStringLiteral("Pag.:")).setAlignment(Qt::AlignRight);
    band.addSystem(QRectF(widthMm - 18, 1, 18, 5), report::SystemField::PageNumber).setAlignment(Qt::AlignRight);
}

QString yesNo(const QString& stored) {
    if (db::sameText(stored, QStringLiteral("N")))
        return QStringLiteral("Não");
    if (db::sameText(stored, QStringLiteral("S")))
        return QStringLiteral("Sim");
    return stored;
}
