// SPDX-License-Identifier: GPL-3.0-or-later
// The data set's cursor, its editing states, its lazy fetch and the post of an inserted or edited row.
#include "platform/db/DataSet.h"

#include "platform/db/EditedRow.h"

#include <QPointer>
#include <set>
#include <utility>

namespace db {

namespace {

// The data sets still reading a select. A rollback on SQLite ends the statements that read: before a
// transaction starts, they read the rest of their rows.
std::set<const DataSet*>& reading() {
    static std::set<const DataSet*> sets;
    return sets;
}

}  // namespace

DataSet::DataSet(QString connectionName, QObject* parent) : QObject(parent), m_query(std::move(connectionName)) {}

DataSet::~DataSet() { reading().erase(this); }

bool DataSet::fetchTo(int row) const {
    if (row < m_rows.count())
        return true;
    if (!m_cursor)
        return false;
    const int before = m_rows.count();
    bool ended = true;
    try {
        ended = m_cursor->fetch(m_rows, row);
    } catch (...) {
        endCursor();
        if (m_rows.count() > before)
            emit const_cast<DataSet*>(this)->rowsFetched();
        throw;
    }
    if (ended)
        endCursor();
    if (m_rows.count() > before)
        emit const_cast<DataSet*>(this)->rowsFetched();
    return row < m_rows.count();
}

void DataSet::endCursor() const {
    m_cursor.reset();
    reading().erase(this);
}

void DataSet::fetchMore() { fetchTo(m_rows.count() + kFirstRows - 1); }

int DataSet::recordCount() const {
    fetchAll();
    return m_rows.count();
}

bool DataSet::eof() const {
    if (m_current < 0)
        return true;
    fetchTo(m_current + 1);
    return m_current >= m_rows.count() - 1;
}

const RowSet& DataSet::rows() const {
    fetchAll();
    return m_rows;
}

void DataSet::setState(State s) {
    if (m_state == s)
        return;
    m_state = s;
    emit stateChanged();
}

void DataSet::open() {
    if (isEditing())
        cancel();
    m_posted.clear();
    // The rows shown go before the new ones are read, so a large select is never held twice; what they
    // were read with stays, to read them again if the new select fails.
    const QString shownSql = m_shownSql;
    const QVariantHash shownParams = m_shownParams;
    const bool wasActive = isActive();
    const int shownRow = m_current;
    endCursor();
    m_rows.clearRows();
    m_current = -1;
    try {
        static const bool readBeforeTransactions = [] {
            beforeEachTransaction([] {
                const std::set<const DataSet*> sets = reading();
                for (const DataSet* set : sets)
                    set->fetchAll();
            });
            return true;
        }();
        Q_UNUSED(readBeforeTransactions);
        m_cursor = openCursor(m_query.connectionName(), m_query.text(), m_query.params(), m_rows);
        reading().insert(this);
        fetchTo(kFirstRows - 1);
    } catch (...) {
        endCursor();
        m_rows.clear();
        if (wasActive) {
            try {
                m_rows = run(m_query.connectionName(), shownSql, shownParams);
                m_current = m_rows.count() > 0 ? std::clamp(shownRow, 0, m_rows.count() - 1) : -1;
            } catch (...) {
                m_rows.clear();
                m_shownSql.clear();
                setState(State::Inactive);
            }
        }
        emit rowsChanged();
        emit currentChanged();
        throw;
    }
    m_shownSql = m_query.text();
    m_shownParams = m_query.params();
    m_current = m_rows.count() > 0 ? 0 : -1;
    setState(State::Browse);
    emit rowsChanged();
    emit currentChanged();
}

void DataSet::close() {
    endCursor();
    m_posted.clear();
    m_rows.clear();
    m_shownSql.clear();
    m_shownParams.clear();
    m_current = -1;
    m_buffer.clear();
    m_editRow = -1;
    setState(State::Inactive);
    emit rowsChanged();
    emit currentChanged();
}

void DataSet::refresh() {
    const int keep = m_current;
    open();
    if (keep >= 0 && fetchTo(keep))
        moveTo(keep);
}

void DataSet::moveTo(int row) {
    if (m_rows.count() == 0)
        return;
    if (isEditing())
        post();
    if (row > 0)
        fetchTo(row);
    row = std::clamp(row, 0, m_rows.count() - 1);
    if (row == m_current)
        return;
    m_current = row;
    emit currentChanged();
}

void DataSet::first() { moveTo(0); }
void DataSet::prior() { moveTo(m_current - 1); }
void DataSet::next() { moveTo(m_current + 1); }
void DataSet::last() {
    fetchAll();
    moveTo(m_rows.count() - 1);
}

bool DataSet::locate(const QString& field, const QVariant& value, bool prefix, bool caseSensitive) {
    const int col = m_rows.indexOrThrow(field);
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString wanted = toText(value);
    for (int r = 0; fetchTo(r); ++r) {
        const QVariant& v = m_rows.row(r)[col];
        bool hit;
        if (prefix)
            hit = toText(v).startsWith(wanted, cs);
        else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
            hit = !v.isNull() && toInt(v) == value.toInt() && toText(v).trimmed() == QString::number(value.toInt());
        else
            hit = toText(v).compare(wanted, cs) == 0;
        if (hit) {
            moveTo(r);
            return true;
        }
    }
    return false;
}

QVariant DataSet::field(const QString& name) const {
    const int col = m_rows.indexOrThrow(name);
    if (isEditing())
        return m_buffer[col];
    if (m_current < 0 || m_current >= m_rows.count())
        return {};
    return m_rows.row(m_current)[col];
}

QVariant DataSet::oldField(const QString& name) const {
    const int col = m_rows.indexOrThrow(name);
    if (m_state == State::Edit && m_editRow >= 0)
        return m_rows.row(m_editRow)[col];
    if (m_state == State::Insert)
        return {};
    if (m_current < 0 || m_current >= m_rows.count())
        return {};
    return m_rows.row(m_current)[col];
}

QVariant DataSet::cell(int row, const QString& name) const { return cell(row, m_rows.indexOrThrow(name)); }

QVariant DataSet::cell(int row, int column) const {
    if (row < 0 || column < 0 || column >= m_rows.fields().size() || !fetchTo(row))
        return {};
    if (isEditing() && row == m_current)
        return m_buffer[column];
    return m_rows.row(row)[column];
}

void DataSet::setField(const QString& name, const QVariant& value) {
    if (!isEditing())
        throw Error(QStringLiteral("O registro não está em edição."));
    const int col = m_rows.indexOrThrow(name);
    if (m_buffer[col] == value && m_buffer[col].isNull() == value.isNull())
        return;
    m_buffer[col] = value;
    emit fieldChanged(m_rows.fields()[col]);
}

void DataSet::append() {
    if (m_state == State::Inactive)
        throw Error(QStringLiteral("A consulta não está aberta."));
    if (isEditing())
        post();
    fetchAll();  // the new row goes after every row of the select
    m_buffer = QVector<QVariant>(m_rows.fields().size());
    m_editRow = -1;
    m_rows.append(m_buffer);
    m_current = m_rows.count() - 1;
    setState(State::Insert);
    emit rowsChanged();
    emit currentChanged();
    if (onNewRecord)
        onNewRecord(*this);
}

void DataSet::edit() {
    if (m_state == State::Inactive)
        throw Error(QStringLiteral("A consulta não está aberta."));
    if (isEditing())
        return;
    if (m_current < 0)
        throw Error(QStringLiteral("Não há registro!"));
    m_buffer = m_rows.row(m_current);
    m_editRow = m_current;
    setState(State::Edit);
}

void DataSet::cancel() {
    if (m_state == State::Insert) {
        m_rows.remove(m_current);
        m_current = std::min(m_current, m_rows.count() - 1);
        m_buffer.clear();
        setState(State::Browse);
        emit rowsChanged();
        emit currentChanged();
    } else if (m_state == State::Edit) {
        m_buffer.clear();
        m_editRow = -1;
        setState(State::Browse);
        emit rowsChanged();
        emit currentChanged();
    }
}

void DataSet::post(const std::optional<Stamp>& stamp) {
    if (!isEditing())
        return;
    if (!m_table)
        throw Error(QStringLiteral("A consulta não pode ser gravada."));
    const bool inserting = m_state == State::Insert;
    fetchAll();  // a statement still reading must not see the rows change under it
    const RowValues typed = typedValues(*this);
    const Statement s =
        inserting ? insertStatement(*m_table, stamp ? stamped(*m_table, typed, Write::Insert, *stamp) : typed)
                  : updateStatement({.table = *m_table, .typed = typed, .read = readValues(*this), .stamp = stamp});
    int affected = -1;
    const RowSet returned = run(m_query.connectionName(), s.sql, s.params, &affected);
    if (!inserting)
        requireAffected(affected);
    const Posted before{m_state, m_current, m_editRow, m_buffer, m_rows.row(m_current)};
    // The row holds what was written, the stamp with it, and the key the server returned.
    const QStringList& names = m_rows.fields();
    for (int i = 0; i < names.size(); ++i) {
        const auto written = s.params.constFind(names[i].toLower());
        if (written != s.params.cend())
            m_buffer[i] = *written;
    }
    if (inserting && returned.count() > 0) {
        for (int i = 0; i < returned.fields().size(); ++i) {
            const int col = m_rows.fieldIndex(returned.fields()[i]);
            if (col >= 0)
                m_buffer[col] = returned.row(0)[i];
        }
    }
    if (inTransaction()) {
        if (m_posted.isEmpty()) {
            whenTransactionEnds([self = QPointer<DataSet>(this)](bool committed) {
                if (self)
                    self->transactionEnded(committed);
            });
        }
        m_posted.append(before);
    }
    m_rows.row(m_current) = m_buffer;
    m_buffer.clear();
    m_editRow = -1;
    setState(State::Browse);
    emit rowsChanged();
    emit currentChanged();
}

void DataSet::transactionEnded(bool committed) {
    const QList<Posted> posted = std::exchange(m_posted, {});
    if (committed || posted.isEmpty())
        return;
    const State was = m_state;
    for (auto it = posted.crbegin(); it != posted.crend(); ++it) {
        if (m_state == State::Insert)  // a row begun after that post
            m_rows.remove(m_current);
        m_rows.row(it->current) = it->row;
        m_current = it->current;
        m_editRow = it->editRow;
        m_buffer = it->buffer;
        m_state = it->state;
    }
    if (m_state != was)
        emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
}

RowValues typedValues(const DataSet& data) {
    RowValues values;
    for (const QString& name : data.fieldNames())
        values.insert(name.toLower(), data.field(name));
    return values;
}

RowValues readValues(const DataSet& data) {
    RowValues values;
    if (data.state() == DataSet::State::Insert)
        return values;
    for (const QString& name : data.fieldNames())
        values.insert(name.toLower(), data.oldField(name));
    return values;
}

}  // namespace db
