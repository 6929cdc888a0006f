// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads an exported dBase table back as the programs that receive it do: GDAL/OGR (ogrinfo, the reader of
// GIS programs, which also reads the ".cpg" side file) and python3's dbfread (which trusts the language
// driver alone). Each gives the code page it decided on and the rows' texts; texts are compared whole.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

// A name with characters that Windows-1252 holds and Latin-1 does not, characters it does not hold (a
// Czech letter, a CJK one, an emoji beyond UTF-16's first plane) and an accent typed apart from its letter.
inline const QString kNameBeyondLatin1 = QString::fromUtf8("ŠÁRKA “ŒIL” – ™ € Ě 日 🐶 e\u0301");
// How every export writes it: one "?" for each character outside Windows-1252, the accent on its letter.
inline const QString kNameBeyondLatin1Written = QString::fromUtf8("ŠÁRKA “ŒIL” – ™ € ? ? ? é");

struct ForeignTable {
    QString encoding;                     // the code page the reader decided on
    QList<QHash<QString, QString>> rows;  // field name in lower case -> text, trimmed
    QStringList column(const QString& field) const {
        QStringList values;
        for (const auto& row : rows)
            values << row.value(field.toLower());
        return values;
    }
};

// The mode bits of a file, -1 when it is not there.
inline int fileMode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// The mode the user's umask gives a new file now.
inline int newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(0666 & ~mask);
}

inline QByteArray runReader(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// GDAL/OGR's reading: SOURCE_ENCODING of the layer, and the "  NAME (Type) = value" lines of each feature.
inline ForeignTable readWithOgr(const QString& file) {
    ForeignTable t;
    const QString out = QString::fromUtf8(
        runReader(QStringLiteral("ogrinfo"), {QStringLiteral("-ro"), QStringLiteral("-al"), QStringLiteral("-mdd"),
                                              QStringLiteral("all"), QStringLiteral("-q"), file}));
    const QString metadata = QStringLiteral("SOURCE_ENCODING=");
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(metadata) && t.encoding.isEmpty()) {
            t.encoding = trimmed.mid(metadata.size());
        } else if (trimmed.startsWith(QLatin1String("OGRFeature("))) {
            t.rows.append(QHash<QString, QString>());
        } else if (!t.rows.isEmpty() && line.startsWith(QLatin1String("  "))) {
            const qsizetype type = trimmed.indexOf(QLatin1String(" ("));
            const qsizetype equals = trimmed.indexOf(QLatin1String(") = "));
            if (type > 0 && equals > type)
                t.rows.last().insert(trimmed.left(type).toLower(), trimmed.mid(equals + 4).trimmed());
        }
    }
    return t;
}

// dbfread's reading, the code page taken from the language driver.
inline ForeignTable readWithDbfread(const QString& file) {
    static const char* script = R"(
import dbfread, json, sys
t = dbfread.DBF(sys.argv[1], char_decode_errors='strict')
rows = [{k.lower(): ('' if v is None else str(v)).strip() for k, v in r.items()} for r in t]
print(json.dumps({'encoding': t.encoding, 'rows': rows}))
)";
    const QJsonObject o = QJsonDocument::fromJson(runReader(QStringLiteral("/usr/bin/python3"),
                                                            {QStringLiteral("-c"), QString::fromLatin1(script), file}))
                              .object();
    ForeignTable t;
    t.encoding = o.value(QStringLiteral("encoding")).toString();
    for (const QJsonValue& r : o.value(QStringLiteral("rows")).toArray()) {
        QHash<QString, QString> row;
        const QJsonObject fields = r.toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it)
            row.insert(it.key(), it.value().toString());
        t.rows << row;
    }
    return t;
}

// What every dBase export must hold for its readers: language driver 0x03 in the header, the side file
// ".cpg" (".CPG" beside ".DBF") holding 1252, both with the mode the umask gives a new file, and `text` in
// `field` of some row as GDAL/OGR and dbfread decode it.
inline void expectForeignReadable(const QString& dbf, const QString& field, const QString& text) {
    SCOPED_TRACE(dbf.toStdString());
    QFile table(dbf);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(int(static_cast<unsigned char>(table.read(32).at(29))), 0x03) << "language driver";
    const QFileInfo info(dbf);
    const bool upper = info.suffix() == QLatin1String("DBF");
    const QString cpg = info.path() + QLatin1Char('/') + info.completeBaseName() + (upper ? ".CPG" : ".cpg");
    QFile side(cpg);
    ASSERT_TRUE(side.open(QIODevice::ReadOnly)) << cpg.toStdString();
    EXPECT_EQ(side.readAll(), QByteArray("1252"));
    EXPECT_EQ(fileMode(dbf), newFileMode());
    EXPECT_EQ(fileMode(cpg), newFileMode());
    const ForeignTable ogr = readWithOgr(dbf);
    EXPECT_EQ(ogr.encoding, "CP1252");
    EXPECT_TRUE(ogr.column(field).contains(text)) << ogr.column(field).join('|').toStdString();
    const ForeignTable dbfread = readWithDbfread(dbf);
    EXPECT_EQ(dbfread.encoding, "cp1252");
    EXPECT_TRUE(dbfread.column(field).contains(text)) << dbfread.column(field).join('|').toStdString();
}
