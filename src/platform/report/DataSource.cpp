#include "platform/report/DataSource.h"

namespace report {

TableData::TableData(QStringList columns) : columns_(std::move(columns)) {}

void TableData::addRow(const QVariantList& values)
{
    const qsizetype width = columns_.size();
    for (qsizetype c = 0; c < width; ++c)
        cells_.push_back(c < values.size() ? values.at(c) : QVariant());
    ++rows_;
}

void TableData::reserve(int rows)
{
    cells_.reserve(size_t(rows) * size_t(columns_.size()));
}

int TableData::columnIndex(const QString& field) const
{
    const int last = lastColumn_;
    if (last >= 0 && last < columns_.size() && columns_.at(last).compare(field, Qt::CaseInsensitive) == 0)
        return last;
    for (int c = 0; c < columns_.size(); ++c) {
        if (columns_.at(c).compare(field, Qt::CaseInsensitive) == 0) {
            lastColumn_ = c;
            return c;
        }
    }
    return -1;
}

QVariant TableData::value(int row, const QString& field) const
{
    return valueAt(row, columnIndex(field));
}

QVariant TableData::valueAt(int row, int column) const
{
    if (column < 0 || column >= columns_.size() || row < 0 || row >= rows_)
        return {};
    return cells_[size_t(row) * size_t(columns_.size()) + size_t(column)];
}

}  // namespace report
