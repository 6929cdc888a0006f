// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a dBase file back through an independent reader (Debian's python3-dbf, run as a subprocess): its
// field names and types and every row's values, texts stripped, dates as yyyy-MM-dd, nulls as null.

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QVariantList>

struct DbfContents {
    QStringList names;  // lower case, as the reader gives them
    QStringList specs;  // "name C(50)", "name N(11,0)", "name D"
    QList<QVariantList> rows;

    int column(const QString& name) const { return int(names.indexOf(name.toLower())); }
    QVariant value(int row, const QString& name) const { return rows.value(row).value(column(name)); }
};

inline DbfContents readDbf(const QString& fileName) {
    static const char* script = R"(
import dbf, json, sys, datetime
t = dbf.Table(sys.argv[1])
t.open(dbf.READ_ONLY)
def plain(v):
    if v is None: return None
    if isinstance(v, (datetime.date, dbf.Date)):
        return None if not v else v.strftime('%Y-%m-%d')
    if isinstance(v, str): return v.rstrip()
    return v
rows = [[plain(r[n]) for n in t.field_names] for r in t]
print(json.dumps({'names': list(t.field_names), 'specs': list(t.structure()), 'rows': rows}))
t.close()
)";
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), fileName});
    p.waitForFinished(120000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    DbfContents c;
    for (const QJsonValue& v : o.value(QStringLiteral("names")).toArray())
        c.names << v.toString();
    for (const QJsonValue& v : o.value(QStringLiteral("specs")).toArray())
        c.specs << v.toString();
    for (const QJsonValue& r : o.value(QStringLiteral("rows")).toArray()) {
        QVariantList row;
        for (const QJsonValue& v : r.toArray())
            row << (v.isNull() ? QVariant() : v.toVariant());
        c.rows << row;
    }
    return c;
}
