// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of a select with a cursor and an editing state, posted through insert and modify statements:
// what register forms, grids and data-aware controls sit on.

#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <QObject>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

namespace db {

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };

    explicit DataSet(QString connectionName = kMain, QObject* parent = nullptr);
    ~DataSet() override;

    // The select, in lines, with its parameters.
    Query& query() { return m_query; }
    void setSql(const QString& text) {
        m_query.clear();
        m_query.add(text);
    }
    QString text() const { return m_query.text(); }

    // The table a row is posted to: its insert (the key the server makes written into the row) and its
    // guarded update (db::updateStatement()), which touches the row only while its Modificado_Em and every
    // column it sets still hold the values read, so an edit never overwrites another workstation's; touching no
    // row fails with kRegistroAlterado.
    void setTable(const Table& table) { m_table = table; }

    // Runs the select and reads its first rows (kFirstRows); the rest are read as they are asked for: a grid
    // scrolling, a move, a count. A select that fails leaves the rows of the one before, read again.
    void open();
    static constexpr int kFirstRows = 256;
    void close();
    void refresh();  // reopens the same select, keeping the position where it can
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Insert || m_state == State::Edit; }

    int recordCount() const;  // reads every row first
    bool isEmpty() const { return m_rows.count() == 0; }
    int recNo() const { return m_current; }  // -1 without a current row
    bool bof() const { return m_current <= 0; }
    bool eof() const;

    // The rows read so far, and whether the select has more; fetchMore() reads the next kFirstRows of them.
    int fetchedCount() const { return m_rows.count(); }
    bool canFetchMore() const { return m_cursor != nullptr; }
    void fetchMore();
    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);

    // Moves to the first row whose field equals the value; with `prefix`, whose text begins with it.
    bool locate(const QString& field, const QVariant& value, bool prefix = false, bool caseSensitive = true);

    QStringList fieldNames() const { return m_rows.fields(); }
    bool hasField(const QString& name) const { return m_rows.fieldIndex(name) >= 0; }
    int fieldIndex(const QString& name) const { return m_rows.fieldIndex(name); }  // -1 when absent
    QVariant field(const QString& name) const;  // the current row, with pending changes
    QString str(const QString& name) const { return toText(field(name)); }
    QVariant oldField(const QString& name) const;
    QVariant cell(int row, const QString& name) const;
    QVariant cell(int row, int column) const;
    void setField(const QString& name, const QVariant& value);  // only while inserting or editing
    const RowSet& rows() const;                                 // every row, read first

    void append();  // a new blank row at the end, state Insert
    void edit();
    void cancel();
    // Writes the row being inserted or edited, with `stamp` in its audit columns (db::stamped()); the row then
    // holds what was written. Throws db::Error and stays inserting or editing when the server refuses. Inside a
    // transaction the post stands only if the transaction commits: a rollback (a refused commit included) puts
    // the data set back as it was before the transaction's first post, inserting or editing the values as typed.
    void post(const std::optional<Stamp>& stamp = std::nullopt);

    std::function<void(DataSet&)> onNewRecord;  // defaults of a new row

signals:
    void stateChanged();
    void currentChanged();  // the cursor moved or the rows were replaced
    void fieldChanged(const QString& name);
    void rowsChanged();  // rows read, posted or cancelled
    void rowsFetched();  // more of the select's rows were read, after those there were

private:
    void setState(State s);
    // Reads rows until `row` is there or the select has ended; true when it is there.
    bool fetchTo(int row) const;
    void fetchAll() const { fetchTo(std::numeric_limits<int>::max() - 1); }
    void endCursor() const;
    void transactionEnded(bool committed);

    // A post inside the open transaction, with what it replaced.
    struct Posted {
        State state;
        int current;
        int editRow;
        QVector<QVariant> buffer;
        QVector<QVariant> row;
    };

    Query m_query;
    QString m_shownSql;  // what the rows were read with
    QVariantHash m_shownParams;
    std::optional<Table> m_table;
    mutable RowSet m_rows;
    mutable std::unique_ptr<Cursor> m_cursor;  // while the select has rows not read yet
    int m_current = -1;
    State m_state = State::Inactive;
    QVector<QVariant> m_buffer;  // the row being inserted or edited
    int m_editRow = -1;
    QList<Posted> m_posted;
};

// A data set's current row with what is being typed, and the same row as it was read (empty for a new row).
RowValues typedValues(const DataSet& data);
RowValues readValues(const DataSet& data);

}  // namespace db
