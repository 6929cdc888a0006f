// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the system's reports share: query rows as report data, the heading every report prints, the page
// footer, and the "S"/"N" rewrite.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <memory>

// The rows of a query, for a report.
class RowSetData : public report::DataSource {
public:
    explicit RowSetData(db::RowSet rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return m_rows.count(); }
    QVariant value(int row, const QString& field) const override;
    int columnOf(const QString& field) const override { return m_rows.fieldIndex(field); }
    QVariant valueAt(int row, int column) const override;
    const db::RowSet& rows() const { return m_rows; }

private:
    db::RowSet m_rows;
};

// Opens the query and hands its rows to the report.
std::shared_ptr<RowSetData> reportData(db::Query& query);

namespace common {
inline const QString kLendoDados = QStringLiteral("Lendo os dados...");
}  // namespace common

// The rows of a query that may return very many of them (every owner, every animal), for a report: read as
// the server hands them over into a packed table, with the progress of long work ("Cancelar" throws
// Prompts::Cancelled). The query itself is not opened.
std::shared_ptr<report::TableData> largeReportData(const db::Query& query);

// "Nurvalia - NURV", the report's title, its code and the date and time of printing, across the band.
void addReportHeading(report::Band& band, const QString& code, const QString& title, qreal widthMm);

// "Pag.:" and the page number, at the right of the band.
void addPageNumber(report::Band& band, qreal widthMm);

// "Sim" for "S", "Não" for "N", anything else as stored.
QString yesNo(const QString& stored);
