// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// dBase table writer: a table is created from a list of typed fields (replacing a file of the same name) and
// receives rows one at a time, so a result of any size goes to disk without being copied first.
//
// Field names are cut to the format's 10 characters; a name that then clashes (ignoring case) with one
// already taken gets the tail "_2", "_3"... inside the 10. Texts are written in Windows-1252, dates as
// YYYYMMDD without the time, and a null value of any type as blanks. The table says so to its readers twice:
// by language driver 0x03 (Windows ANSI) in its header, and by the side file of the same name ending in
// ".cpg" that holds "1252", which GIS programs read.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <stdexcept>

namespace db {
class Query;
class RowSet;
}  // namespace db

namespace files {
class Replacement;
}

namespace dbase {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}
};

enum class Type {
    Text,     // C(width), width at most 254
    Integer,  // N(width, 0)
    Number,   // N(width, decimals)
    Date,     // D
};

struct Field {
    QString name;  // the result column it is filled from; the table's field name is formed from it
    Type type = Type::Text;
    int width = 0;  // 0: the type's usual width (text 254, integer 11, number 19, date 8)
    int decimals = 0;
};

// Common fields.
inline Field textField(const QString& name, int width) { return {name, Type::Text, width, 0}; }
inline Field integerField(const QString& name) { return {name, Type::Integer, 11, 0}; }
inline Field numberField(const QString& name) { return {name, Type::Number, 19, 6}; }
inline Field dateField(const QString& name) { return {name, Type::Date, 8, 0}; }

// The table's file: the chosen name with ".dbf" appended unless it already ends in ".dbf" (any case).
QString tableFileName(const QString& chosen);

// The table's field names for the given column names, by the rule above.
QStringList fieldNames(const QStringList& names);

// Windows-1252 bytes of a text; each character outside it becomes one '?', whatever its size in UTF-16.
QByteArray toWindows1252(const QString& text);
// The bytes an export writes for a text: its composed form (an accent typed as a letter of its own joins
// its letter) in Windows-1252.
QByteArray exportBytes(const QString& text);

// The code-page side file of a table file: its name with the extension ".cpg" ("CPG" beside ".DBF").
QString codePageFileName(const QString& tableFile);

class Writer {
public:
    // Starts the table that close() puts at `fileName`, exactly as given (see tableFileName), replacing what
    // was there, with its code-page side file. A writer destroyed without close() leaves no file and the old
    // ones untouched.
    Writer(const QString& fileName, const QList<Field>& fields);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // One row: a value per field, in the fields' order; a missing value is null.
    void addRow(const QVector<QVariant>& values);
    int rowCount() const { return m_rows; }
    void close();

private:
    void put(int field, const char* bytes);  // a text ended by a null byte
    void discard();

    void check();

    void* m_handle = nullptr;
    QList<Field> m_fields;
    QString m_fileName;
    std::unique_ptr<files::Replacement> m_part;  // where the library writes until close()
    int m_error = 0;                             // why the library could not write (errno)
    int m_rows = 0;
};

// A call after each row written (rows written, rows in all or 0 when not known). What it throws stops the
// writing, and the table's earlier file stays as it was.
using Progress = std::function<void(qint64 written, qint64 total)>;
// What a row's values, in the fields' order, become before they are written.
using RowAdjustment = std::function<void(QVector<QVariant>& values)>;

// Writes every row of a result into a new table, each field filled from the result column of its name.
void writeTable(const QString& fileName, const QList<Field>& fields, const db::RowSet& rows,
                const Progress& progress = {});

// The same for the rows of a select, written as they are read (see db::forEachRow): a result of any size goes
// to the file in little memory. A field whose column the result lacks is left to `adjust`.
void writeSelect(const QString& fileName, const QList<Field>& fields, const QString& connectionName, const QString& sql,
                 const QVariantHash& params, const RowAdjustment& adjust = {}, const Progress& progress = {});
// The same for the statement and values of a query (not run before).
void writeSelect(const QString& fileName, const QList<Field>& fields, const db::Query& select,
                 const RowAdjustment& adjust = {}, const Progress& progress = {});

}  // namespace dbase
