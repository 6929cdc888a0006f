// SPDX-License-Identifier: GPL-3.0-or-later
// A written table's audit columns, their stamp, and its insert generated from its description.
#include "platform/db/Table.h"

namespace db {

QStringList auditColumns(const Table& table) {
    switch (table.audit) {
    case Audit::None: return {};
    case Audit::Inserted: return {kInseridoPor, kInseridoEm};
    case Audit::Full: return {kInseridoPor, kInseridoEm, kModificadoPor, kModificadoEm};
    }
    return {};
}

RowValues lowered(const RowValues& values) {
    RowValues out;
    out.reserve(values.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        out.insert(it.key().toLower(), it.value());
    return out;
}

RowValues stamped(const Table& table, const RowValues& values, Write write, const Stamp& stamp) {
    RowValues out = lowered(values);
    const bool inserting = write == Write::Insert;
    if (table.audit == Audit::None || (!inserting && table.audit != Audit::Full))
        return out;
    out.insert((inserting ? kInseridoPor : kModificadoPor).toLower(), stamp.by);
    out.insert((inserting ? kInseridoEm : kModificadoEm).toLower(), stamp.at.isValid() ? stamp.at : serverTime());
    return out;
}

Statement insertStatement(const Table& table, const RowValues& values) {
    const QStringList columns = (table.newKey == NewKey::Server ? QStringList{} : table.key) + table.columns +
                                table.insertOnly + auditColumns(table);
    const RowValues given = lowered(values);
    Statement s;
    QStringList placeholders;
    for (const QString& column : columns) {
        const QString name = column.toLower();
        placeholders << QLatin1Char(':') + name;
        s.params.insert(name, given.value(name));
    }
    // Table and columns come from the descriptions in the code, never from what is typed.
    s.sql = QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(table.name, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));
    if (table.newKey == NewKey::Server)
        s.sql += QStringLiteral(" returning ") + table.key.join(QStringLiteral(", "));
    return s;
}

}  // namespace db
