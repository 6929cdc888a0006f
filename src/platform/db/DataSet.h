#pragma once
// The rows of a select with a cursor and an editing state, posted through insert and modify statements:
// what register forms, grids and data-aware controls sit on.

#include "platform/db/Query.h"

#include <QObject>
#include <functional>

namespace db {

// `sql` with `condition` added to the statement's own where clause ("where (<clause>) and <condition>"),
// whatever follows the clause (a returning list) kept after it; without a where clause, "where <condition>".
QString withCondition(const QString& sql, const QString& condition);

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };

    explicit DataSet(QString connectionName = kMain, QObject* parent = nullptr);

    // The select, in lines, with its parameters.
    Query& query() { return m_query; }
    void setSql(const QString& text) { m_query.clear(); m_query.add(text); }
    QString text() const { return m_query.text(); }

    // Statements that post a row: parameters :Field take the row's values, :OLD_Field the values it had
    // when it was read. An insert with a RETURNING clause writes what it returns into the row. A modify is
    // guarded (db::guarded()): it touches the row only while its Modificado_Em and every column it sets still
    // hold the values read, so an edit never overwrites another workstation's; touching no row fails with
    // kRegistroAlterado.
    void setUpdateSql(const QString& insertSql, const QString& modifySql);
    const QString& modifySql() const { return m_modifySql; }

    // Reads the select's rows. A select that fails leaves the rows of the one before, read again.
    void open();
    void close();
    void refresh();  // reopens the same select, keeping the position where it can
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Insert || m_state == State::Edit; }

    int recordCount() const { return m_rows.count(); }
    bool isEmpty() const { return m_rows.count() == 0; }
    int recNo() const { return m_current; }  // -1 without a current row
    bool bof() const { return m_current <= 0; }
    bool eof() const { return m_current < 0 || m_current >= m_rows.count() - 1; }
    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);

    // Moves to the first row whose field equals the value; with `prefix`, whose text begins with it.
    bool locate(const QString& field, const QVariant& value, bool prefix = false, bool caseSensitive = true);

    QStringList fieldNames() const { return m_rows.fields(); }
    bool hasField(const QString& name) const { return m_rows.fieldIndex(name) >= 0; }
    QVariant field(const QString& name) const;  // the current row, with pending changes
    QString str(const QString& name) const { return toText(field(name)); }
    QVariant oldField(const QString& name) const;
    QVariant cell(int row, const QString& name) const;
    QVariant cell(int row, int column) const;
    void setField(const QString& name, const QVariant& value);  // only while inserting or editing
    const RowSet& rows() const { return m_rows; }

    void append();  // a new blank row at the end, state Insert
    void edit();
    void cancel();
    // Throws db::Error and stays inserting or editing when the server refuses. Inside a transaction the
    // post stands only if the transaction commits: a rollback (a refused commit included) puts the data
    // set back as it was before the transaction's first post, inserting or editing the values as typed.
    void post();

    std::function<void(DataSet&)> onNewRecord;  // defaults of a new row

signals:
    void stateChanged();
    void currentChanged();                 // the cursor moved or the rows were replaced
    void fieldChanged(const QString& name);
    void rowsChanged();                    // rows read, posted or cancelled

private:
    void setState(State s);
    QVariantHash postParams() const;
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
    QString m_insertSql, m_modifySql;
    RowSet m_rows;
    int m_current = -1;
    State m_state = State::Inactive;
    QVector<QVariant> m_buffer;  // the row being inserted or edited
    int m_editRow = -1;
    QList<Posted> m_posted;
};

}  // namespace db
