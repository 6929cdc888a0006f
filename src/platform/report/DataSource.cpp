// SPDX-License-Identifier: GPL-3.0-or-later
// Report data: the interface the engine reads and the packed in-memory table.
#include "platform/report/DataSource.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>

#include <climits>
#include <cstring>

namespace report {

namespace {

// The kind of a packed value, its first byte.
enum Tag : char {
    Invalid,      // QVariant()
    Null,         // a null value of a type: the type id follows
    Integer,      // a signed number of up to 64 bits, zigzag varint
    Unsigned,     // varint
    Real,         // 8 bytes
    Text,         // varint length, UTF-8
    Date,         // julian day, zigzag varint
    Time,         // milliseconds of the day, varint
    LocalMoment,  // milliseconds since the epoch, zigzag varint
    UtcMoment,
    True,
    False,
    Other,  // varint length, QDataStream bytes of the QVariant
};

void putVarint(std::vector<char>& out, quint64 v) {
    while (v >= 0x80) {
        out.push_back(char(v | 0x80));
        v >>= 7;
    }
    out.push_back(char(v));
}

quint64 getVarint(const char*& p) {
    quint64 v = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = quint8(*p++);
        v |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return v;
    }
}

quint64 zigzag(qint64 v) { return (quint64(v) << 1) ^ quint64(v >> 63); }
qint64 unzigzag(quint64 v) { return qint64(v >> 1) ^ -qint64(v & 1); }

void putBytes(std::vector<char>& out, Tag tag, const QByteArray& bytes) {
    out.push_back(tag);
    putVarint(out, quint64(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void pack(std::vector<char>& out, const QVariant& v) {
    if (!v.isValid()) {
        out.push_back(Invalid);
        return;
    }
    if (v.isNull()) {
        out.push_back(Null);
        putVarint(out, quint64(v.typeId()));
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        out.push_back(Integer);
        putVarint(out, zigzag(v.toLongLong()));
        return;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        out.push_back(Unsigned);
        putVarint(out, v.toULongLong());
        return;
    case QMetaType::Double: {
        out.push_back(Real);
        const double d = v.toDouble();
        char bytes[sizeof d];
        std::memcpy(bytes, &d, sizeof d);
        out.insert(out.end(), bytes, bytes + sizeof d);
        return;
    }
    case QMetaType::QString: putBytes(out, Text, static_cast<const QString*>(v.constData())->toUtf8()); return;
    case QMetaType::QDate:
        out.push_back(Date);
        putVarint(out, zigzag(v.toDate().toJulianDay()));
        return;
    case QMetaType::QTime:
        out.push_back(Time);
        putVarint(out, quint64(v.toTime().msecsSinceStartOfDay()));
        return;
    case QMetaType::QDateTime: {
        const QDateTime d = v.toDateTime();
        if (d.timeSpec() == Qt::LocalTime || d.timeSpec() == Qt::UTC) {
            out.push_back(d.timeSpec() == Qt::LocalTime ? LocalMoment : UtcMoment);
            putVarint(out, zigzag(d.toMSecsSinceEpoch()));
            return;
        }
        break;
    }
    case QMetaType::Bool: out.push_back(v.toBool() ? True : False); return;
    default: break;
    }
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << v;
    putBytes(out, Other, bytes);
}

// Moves past one packed value.
void skip(const char*& p) {
    switch (Tag(*p++)) {
    case Invalid:
    case True:
    case False: return;
    case Null:
    case Integer:
    case Unsigned:
    case Date:
    case Time:
    case LocalMoment:
    case UtcMoment: getVarint(p); return;
    case Real: p += sizeof(double); return;
    case Text:
    case Other: p += getVarint(p); return;
    }
}

QVariant unpack(const char* p) {
    switch (Tag(*p++)) {
    case Invalid: return {};
    case Null: return QVariant(QMetaType(int(getVarint(p))));
    case Integer: {
        const qint64 n = unzigzag(getVarint(p));
        return n >= INT_MIN && n <= INT_MAX ? QVariant(int(n)) : QVariant(n);
    }
    case Unsigned: {
        const quint64 n = getVarint(p);
        return n <= UINT_MAX ? QVariant(uint(n)) : QVariant(n);
    }
    case Real: {
        double d;
        std::memcpy(&d, p, sizeof d);
        return d;
    }
    case Text: {
        const qsizetype size = qsizetype(getVarint(p));
        return QString::fromUtf8(p, size);
    }
    case Date: return QDate::fromJulianDay(unzigzag(getVarint(p)));
    case Time: return QTime::fromMSecsSinceStartOfDay(int(getVarint(p)));
    case LocalMoment: return QDateTime::fromMSecsSinceEpoch(unzigzag(getVarint(p)));
    case UtcMoment: return QDateTime::fromMSecsSinceEpoch(unzigzag(getVarint(p)), Qt::UTC);
    case True: return true;
    case False: return false;
    case Other: {
        const qsizetype size = qsizetype(getVarint(p));
        QDataStream stream(QByteArray::fromRawData(p, size));
        QVariant v;
        stream >> v;
        return v;
    }
    }
    return {};
}

}  // namespace

TableData::TableData(QStringList columns) : columns_(std::move(columns)) {}

void TableData::addRow(const QVariantList& values) {
    rowStarts_.push_back(packed_.size());
    const qsizetype width = columns_.size();
    for (qsizetype c = 0; c < width; ++c)
        pack(packed_, c < values.size() ? values.at(c) : QVariant());
    ++rows_;
}

void TableData::reserve(int rows) { rowStarts_.reserve(size_t(rows)); }

int TableData::columnIndex(const QString& field) const {
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

QVariant TableData::value(int row, const QString& field) const { return valueAt(row, columnIndex(field)); }

const char* TableData::cell(int row, int column) const {
    const char* start = packed_.data() + rowStarts_[size_t(row)];
    if (row != cachedRow_) {
        cachedOffsets_.resize(size_t(columns_.size()));
        const char* p = start;
        for (size_t c = 0; c < cachedOffsets_.size(); ++c) {
            cachedOffsets_[c] = quint32(p - start);
            skip(p);
        }
        cachedRow_ = row;
    }
    return start + cachedOffsets_[size_t(column)];
}

QVariant TableData::valueAt(int row, int column) const {
    if (column < 0 || column >= columns_.size() || row < 0 || row >= rows_)
        return {};
    return unpack(cell(row, column));
}

}  // namespace report
