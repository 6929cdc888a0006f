// SPDX-License-Identifier: GPL-3.0-or-later
// dBase table writer over shapelib's DBF API.

#include "platform/dbase/DbfWriter.h"

#include "platform/db/Query.h"
#include "platform/files/Replacement.h"

#include <shapefil.h>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace dbase {

namespace {

constexpr int kNameLength = 10;
constexpr int kMaxText = 254;

// Windows-1252's characters in 0x80..0x9F, by byte; 0 where the byte is unused.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int widthOf(const Field& f) {
    if (f.width > 0)
        return f.type == Type::Text ? std::min(f.width, kMaxText) : f.width;
    switch (f.type) {
    case Type::Text: return kMaxText;
    case Type::Integer: return 11;
    case Type::Number: return 19;
    case Type::Date: return 8;
    }
    return kMaxText;
}

DBFHandle handle(void* h) { return static_cast<DBFHandle>(h); }

// A whole number's value, read without a detour through text where the driver gave a number.
qlonglong wholeNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return v.toLongLong();
    default: return qlonglong(db::toNumber(v));
    }
}

// The library's own file calls, wrapped so that a failed write (a full disk) is seen: the library itself
// goes on as if it had been written. The writer whose call is under way is told the system's error.
thread_local int* t_error = nullptr;

const SAHooks& plainHooks() {
    static const SAHooks hooks = [] {
        SAHooks h;
        SASetupDefaultHooks(&h);
        return h;
    }();
    return hooks;
}

void failed() {
    if (t_error && *t_error == 0)
        *t_error = errno != 0 ? errno : EIO;
}

SAOffset writeChecked(void* data, SAOffset size, SAOffset count, SAFile file) {
    const SAOffset written = plainHooks().FWrite(data, size, count, file);
    if (written != count)
        failed();
    return written;
}

// A seek writes out what the stream holds first.
SAOffset seekChecked(SAFile file, SAOffset offset, int whence) {
    const SAOffset result = plainHooks().FSeek(file, offset, whence);
    if (result != 0)
        failed();
    return result;
}

int flushChecked(SAFile file) {
    const int result = plainHooks().FFlush(file);
    if (result != 0)
        failed();
    return result;
}

int closeChecked(SAFile file) {
    const int result = plainHooks().FClose(file);
    if (result != 0)
        failed();
    return result;
}

SAHooks* checkedHooks() {
    static SAHooks hooks = [] {
        SAHooks h = plainHooks();
        h.FWrite = writeChecked;
        h.FSeek = seekChecked;
        h.FFlush = flushChecked;
        h.FClose = closeChecked;
        return h;
    }();
    return &hooks;
}

// Marks the writer whose library call runs in its scope.
class Watch {
public:
    explicit Watch(int* error) : m_previous(std::exchange(t_error, error)) {}
    ~Watch() { t_error = m_previous; }

private:
    int* m_previous;
};

// Language driver 0x03: Windows ANSI, code page 1252, in every reader (87 reads as ISO-8859-1 in some).
const char* const kCodePage = "LDID/3";
const QByteArray kCodePageName = QByteArrayLiteral("1252");

}  // namespace

QString tableFileName(const QString& chosen) { return files::withSuffix(chosen, QStringLiteral("dbf")); }

QStringList fieldNames(const QStringList& names) {
    QStringList out;
    QSet<QString> taken;
    for (const QString& name : names) {
        QString candidate = name.left(kNameLength);
        for (int n = 2; taken.contains(candidate.toLower()); ++n) {
            const QString tail = QStringLiteral("_%1").arg(n);
            candidate = name.left(kNameLength - int(tail.size())) + tail;
        }
        taken.insert(candidate.toLower());
        out << candidate;
    }
    return out;
}

namespace {

// Whether every character of the text is one that Windows-1252 and Latin-1 write alike (all but U+0080..U+009F):
// such a text is already composed, and its bytes are its Latin-1 ones.
bool plainLatin1(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0xFF || (u >= 0x80 && u < 0xA0))
            return false;
    }
    return true;
}

}  // namespace

QByteArray toWindows1252(const QString& text) {
    if (plainLatin1(text))
        return text.toLatin1();
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t u : text.toUcs4()) {
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == u && u != 0) {
                byte = char(0x80 + i);
                break;
            }
        }
        out += byte;
    }
    return out;
}

QByteArray exportBytes(const QString& text) {
    return plainLatin1(text) ? text.toLatin1() : toWindows1252(text.normalized(QString::NormalizationForm_C));
}

QString codePageFileName(const QString& tableFile) {
    const QFileInfo info(tableFile);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? tableFile : tableFile.left(tableFile.size() - suffix.size() - 1);
    return base +
           (suffix == suffix.toUpper() && suffix != suffix.toLower() ? QStringLiteral(".CPG") : QStringLiteral(".cpg"));
}

Writer::Writer(const QString& fileName, const QList<Field>& fields) : m_fields(fields), m_fileName(fileName) {
    // The library names its file after the given one with the extension replaced by ".dbf": the table is
    // written under a temporary name ending in ".dbf" in the same folder and takes the chosen name once
    // complete.
    try {
        m_part = std::make_unique<files::Replacement>(fileName, QStringLiteral("dbf"));
    } catch (const files::Error& e) {
        throw Error(e.text());
    }
    {
        Watch watch(&m_error);
        m_handle = DBFCreateLL(QFile::encodeName(m_part->partName()).constData(), kCodePage, checkedHooks());
    }
    if (!m_handle || m_error != 0) {
        discard();
        throw Error(QStringLiteral("Não foi possível criar o arquivo %1.").arg(fileName));
    }
    QStringList names;
    for (const Field& f : fields)
        names << f.name;
    const QStringList dbfNames = fieldNames(names);
    for (int i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        char kind = 'C';
        switch (f.type) {
        case Type::Text: kind = 'C'; break;
        case Type::Integer:
        case Type::Number: kind = 'N'; break;
        case Type::Date: kind = 'D'; break;
        }
        const int decimals = f.type == Type::Number ? f.decimals : 0;
        Watch watch(&m_error);
        if (DBFAddNativeFieldType(handle(m_handle), exportBytes(dbfNames[i]).constData(), kind, widthOf(f), decimals) <
            0) {
            discard();
            throw Error(QStringLiteral("Não foi possível criar o campo %1 em %2.").arg(dbfNames[i], fileName));
        }
    }
}

Writer::~Writer() { discard(); }

void Writer::discard() {
    if (m_handle) {
        Watch watch(&m_error);
        DBFClose(handle(m_handle));
        m_handle = nullptr;
    }
    m_part.reset();
}

void Writer::check() {
    if (m_error != 0) {
        discard();
        qWarning().noquote() << QStringLiteral("%1: %2").arg(m_fileName,
                                                             QString::fromLocal8Bit(std::strerror(m_error)));
        throw Error(files::writeFailure(m_fileName, m_error));
    }
}

void Writer::close() {
    if (!m_handle)
        return;
    {
        Watch watch(&m_error);
        DBFClose(handle(m_handle));
        m_handle = nullptr;
    }
    check();
    try {
        files::writeWhole(codePageFileName(m_fileName), kCodePageName);
        m_part->commit();
    } catch (const files::Error& e) {
        discard();
        throw Error(e.text());
    }
    m_part.reset();
}

void Writer::put(int field, const char* bytes) {
    Watch watch(&m_error);
    if (!DBFWriteAttributeDirectly(handle(m_handle), m_rows, field, const_cast<char*>(bytes)) && m_error == 0)
        m_error = EIO;
}

void Writer::addRow(const QVector<QVariant>& values) {
    if (!m_handle)
        throw Error(QStringLiteral("O arquivo %1 já foi fechado.").arg(m_fileName));
    static const QVariant kNull;
    for (int i = 0; i < m_fields.size(); ++i) {
        const Field& f = m_fields[i];
        const int width = widthOf(f);
        const QVariant& v = i < values.size() ? values[i] : kNull;
        const bool text = v.typeId() == QMetaType::QString;
        const bool blank = v.isNull() || (f.type != Type::Text && text &&
                                          static_cast<const QString*>(v.constData())->trimmed().isEmpty());
        // What is shorter than the field is padded with blanks by the library.
        if (blank) {
            put(i, "");
        } else if (f.type == Type::Text) {
            QByteArray bytes = exportBytes(text ? *static_cast<const QString*>(v.constData()) : db::toText(v));
            bytes.truncate(width);
            put(i, bytes.constData());
        } else if (f.type == Type::Date) {
            const QDate d = v.typeId() == QMetaType::QDateTime ? static_cast<const QDateTime*>(v.constData())->date()
                                                               : db::toDateTime(v).date();
            char date[9] = {};
            if (d.isValid() && d.year() >= 0 && d.year() <= 9999)
                std::snprintf(date, sizeof date, "%04d%02d%02d", d.year(), d.month(), d.day());
            put(i, date);
        } else {
            const int decimals = f.type == Type::Number ? f.decimals : 0;
            const QByteArray number = f.type == Type::Integer ? QByteArray::number(wholeNumber(v))
                                                              : QByteArray::number(db::toNumber(v), 'f', decimals);
            if (number.size() > width)
                throw Error(
                    QStringLiteral("O valor %1 não cabe no campo %2.").arg(QString::fromLatin1(number), f.name));
            char padded[256];
            std::memset(padded, ' ', size_t(width - number.size()));
            std::memcpy(padded + width - number.size(), number.constData(), size_t(number.size()));
            padded[width] = '\0';
            put(i, padded);
        }
    }
    check();
    ++m_rows;
}

namespace {

// The result column of each field by its name, -1 for one the result lacks; the second field of a name
// takes the second column of that name (a select of two tables' "Id_Proprietario"), and so on.
QList<int> columnsOf(const QList<Field>& fields, const QStringList& names) {
    QList<int> columns;
    for (const Field& f : fields) {
        int found = -1;
        for (int c = 0; c < names.size() && found < 0; ++c)
            if (names[c].compare(f.name, Qt::CaseInsensitive) == 0 && !columns.contains(c))
                found = c;
        columns << found;
    }
    return columns;
}

void pick(const QList<int>& columns, const QVector<QVariant>& row, QVector<QVariant>& values) {
    for (int i = 0; i < columns.size(); ++i)
        values[i] = columns[i] >= 0 ? row[columns[i]] : QVariant();
}

}  // namespace

void writeTable(const QString& fileName, const QList<Field>& fields, const db::RowSet& rows, const Progress& progress) {
    QList<int> columns;
    for (const Field& f : fields)
        columns << rows.indexOrThrow(f.name);
    Writer writer(fileName, fields);
    QVector<QVariant> values(fields.size());
    for (int r = 0; r < rows.count(); ++r) {
        pick(columns, rows.row(r), values);
        writer.addRow(values);
        if (progress)
            progress(r + 1, rows.count());
    }
    writer.close();
}

void writeSelect(const QString& fileName, const QList<Field>& fields, const QString& connectionName, const QString& sql,
                 const QVariantHash& params, const RowAdjustment& adjust, const Progress& progress) {
    Writer writer(fileName, fields);
    QList<int> columns;
    QVector<QVariant> values(fields.size());
    db::forEachRow(connectionName, sql, params, [&](const QStringList& names, const QVector<QVariant>& row) {
        if (columns.isEmpty())
            columns = columnsOf(fields, names);
        pick(columns, row, values);
        if (adjust)
            adjust(values);
        writer.addRow(values);
        if (progress)
            progress(writer.rowCount(), 0);
    });
    writer.close();
}

void writeSelect(const QString& fileName, const QList<Field>& fields, const db::Query& select,
                 const RowAdjustment& adjust, const Progress& progress) {
    writeSelect(fileName, fields, select.connectionName(), select.text(), select.params(), adjust, progress);
}

}  // namespace dbase
