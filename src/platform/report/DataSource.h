// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace report {

// Rows a report reads. The engine only asks for the number of rows and for a value by row and field name,
// so any tabular source (a query, an in-memory table) can feed a report.
class DataSource {
public:
    virtual ~DataSource() = default;
    virtual int rowCount() const = 0;
    // Field names are matched case-insensitively; an unknown field or row gives a null QVariant.
    virtual QVariant value(int row, const QString& field) const = 0;
    // The column of a field, so that a field read for many rows is looked up once; -1 when the source has
    // no columns (it is then read by name) or no such field.
    virtual int columnOf(const QString& field) const {
        Q_UNUSED(field);
        return -1;
    }
    virtual QVariant valueAt(int row, int column) const {
        Q_UNUSED(row);
        Q_UNUSED(column);
        return {};
    }
};

// In-memory table: column names and rows of values. The values are kept packed (texts as UTF-8, numbers and
// moments in a few bytes each, one buffer for every row), so a table of a few hundred thousand rows of dozens
// of columns holds little more than its texts; each is made a QVariant again when it is read.
class TableData : public DataSource {
public:
    TableData() = default;
    explicit TableData(QStringList columns);

    const QStringList& columns() const { return columns_; }
    // Appends a row; missing trailing values are null, extra values are dropped.
    void addRow(const QVariantList& values);
    void reserve(int rows);
    // Index of a column, ignoring case; -1 when there is none.
    int columnIndex(const QString& field) const;

    int rowCount() const override { return rows_; }
    QVariant value(int row, const QString& field) const override;
    int columnOf(const QString& field) const override { return columnIndex(field); }
    QVariant valueAt(int row, int column) const override;

private:
    const char* cell(int row, int column) const;

    QStringList columns_;
    std::vector<char> packed_;        // the rows' values one after the other, row-major
    std::vector<quint64> rowStarts_;  // where each row begins in packed_
    int rows_ = 0;
    mutable int lastColumn_ = -1;  // the column asked for last, tried first
    // Where each value of the row read last begins: the values of a row are mostly read together.
    mutable int cachedRow_ = -1;
    mutable std::vector<quint32> cachedOffsets_;
};

}  // namespace report
