// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A statement on one of the named connections: SQL text in lines, named parameters (:name) always bound,
// and the result rows held in memory with a cursor. Field names match case-insensitively.

#include "platform/db/Database.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

namespace db {

struct PendingRows;

// A condition of a where clause and the values it binds.
struct Condition {
    QString sql;
    QVariantHash values;
};

// Rows of a result, shared by Query and DataSet. Rows of a large result may be kept as the server sent them
// and read into values the first time they are asked for: every caller sees the same values either way.
class RowSet {
public:
    void setFields(const QStringList& names);
    const QStringList& fields() const { return m_fields; }
    int fieldIndex(const QString& name) const;  // -1 when absent
    int indexOrThrow(const QString& name) const;
    int count() const { return int(m_rows.size()); }
    const QVector<QVariant>& row(int i) const { return ready(i); }
    QVector<QVariant>& row(int i) { return ready(i); }
    void append(QVector<QVariant> values) {
        if (!m_raw.empty())
            m_raw.push_back(false);
        m_rows.push_back(std::move(values));
    }
    // A row as the driver hands it over: its stored date-time texts become date-times when the row is first
    // used, so that rows only counted or passed over cost no conversion.
    void appendRead(QVector<QVariant> values);
    void insert(int at, QVector<QVariant> values);
    void remove(int at);
    void clear();
    void clearRows();

    // Rows still as the server sent them, read on first use.
    void setPending(std::shared_ptr<const PendingRows> pending, int rows);

private:
    QVector<QVariant>& ready(int i) const {
        QVector<QVariant>& r = m_rows[size_t(i)];
        if (m_pending && r.isEmpty())
            read(i);
        else if (!m_raw.empty() && m_raw[size_t(i)])
            settle(i);
        return r;
    }
    void read(int i) const;
    void settle(int i) const;
    void keepOrigins();

    QStringList m_fields;
    QHash<QString, int> m_index;
    // Never shared between copies, so that reading a pending row leaves references to other rows valid.
    mutable std::vector<QVector<QVariant>> m_rows;
    std::shared_ptr<const PendingRows> m_pending;
    int m_pendingRows = 0;
    std::vector<int> m_origin;        // pending row of each row once rows were inserted or removed; -1 for new ones
    mutable std::vector<bool> m_raw;  // of each row once one was appended as read: still as read
};

// Runs `sql` on a connection with the values bound by name and returns the rows (statements without a
// result return an empty RowSet). Throws db::Error, the server's text in its detail().
// A statement with values is prepared once per connection and kept for its next run.
RowSet run(const QString& connectionName, const QString& sql, const QVariantHash& params, int* affected = nullptr);

// The rows of a select read as they are asked for, as Qt's own model reads them: SQLite steps its statement a
// batch at a time; a PostgreSQL result stays as the server sent it, never copied, each row read into values
// when first asked for. Destroying the cursor frees the statement and what it holds.
class Cursor {
public:
    virtual ~Cursor() = default;
    // Reads rows into `rows` until it holds more than `row` rows or the result has ended; true once it has.
    // Throws db::Error when the statement fails on the way.
    virtual bool fetch(RowSet& rows, int row) = 0;
};

// Runs the select and gives its cursor; `rows` gets the field names, and on PostgreSQL every row, pending.
std::unique_ptr<Cursor> openCursor(const QString& connectionName, const QString& sql, const QVariantHash& params,
                                   RowSet& rows);

// Runs a select as run() does and hands its rows to `each` one at a time, in order, each as the values of
// `fields` (the result's field names), as the statement yields them and never holding more than the row at
// hand: a result of any size is read in little memory (SQLite steps the statement, PostgreSQL sends a row at a
// time). What `each` throws stops the reading, and the server stops the statement (on PostgreSQL it is
// cancelled, unless a transaction is open), before it is thrown here. Until then `each` runs no statement on
// the same PostgreSQL connection: that would end the reading with an error.
void forEachRow(const QString& connectionName, const QString& sql, const QVariantHash& params,
                const std::function<void(const QStringList& fields, const QVector<QVariant>& row)>& each);

// An update or delete of one row by its key that touched none: the row was changed or deleted by another
// workstation since it was read. Throws kRegistroAlterado; use with the count Query::exec() returns.
void requireAffected(int affected);

// Called with each statement run() is about to run on a connection and its values (tests read the plans of
// what the forms run); an empty function stops it.
void setStatementObserver(
    std::function<void(const QString& connection, const QString& sql, const QVariantHash& params)> observer);

class Query {
public:
    explicit Query(QString connectionName = kMain);

    // SQL text, built line by line.
    Query& add(const QString& line);
    Query& operator<<(const QString& line) { return add(line); }
    void clear();  // text, parameters and rows
    void setSql(const QString& text);
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    const QStringList& lines() const { return m_lines; }
    const QString& connectionName() const { return m_connection; }

    Query& bind(const QString& name, const QVariant& value);  // name with or without ':'
    Query& bind(const QVariantHash& values);
    // Adds " and <condition>" and binds its values.
    Query& andWhere(const Condition& condition);
    const QVariantHash& params() const { return m_params; }

    void open();  // runs the text, keeps the rows, cursor on the first
    int exec();   // runs the text; returns rows affected (a RETURNING clause fills the rows)
    void close();
    bool isActive() const { return m_active; }

    int rowCount() const { return m_rows.count(); }
    bool isEmpty() const { return m_rows.count() == 0; }
    int row() const { return m_row; }
    bool eof() const { return m_row >= m_rows.count(); }
    void first() { m_row = 0; }
    void next() {
        if (m_row < m_rows.count())
            ++m_row;
    }
    void moveTo(int row) { m_row = row; }

    bool hasField(const QString& name) const { return m_rows.fieldIndex(name) >= 0; }
    QStringList fieldNames() const { return m_rows.fields(); }
    QVariant value(const QString& field) const;  // null when past the end or no rows
    QVariant value(int row, const QString& field) const;
    QString str(const QString& field) const;
    int integer(const QString& field) const;
    double number(const QString& field) const;
    QDateTime dateTime(const QString& field) const;
    const RowSet& rows() const { return m_rows; }

private:
    QString m_connection;
    QStringList m_lines;
    QVariantHash m_params;
    RowSet m_rows;
    int m_row = 0;
    bool m_active = false;
};

// Typed readings of a stored value, the same on both engines.
QString toText(const QVariant& v);
int toInt(const QVariant& v);
double toNumber(const QVariant& v);
QDateTime toDateTime(const QVariant& v);

}  // namespace db
