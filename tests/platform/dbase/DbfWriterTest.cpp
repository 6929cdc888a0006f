// SPDX-License-Identifier: GPL-3.0-or-later
// The dBase writer: its naming rules, and a table read back by independent readers.

#include "DbfReader.h"
#include "ForeignReaders.h"

#include "platform/db/Query.h"
#include "platform/dbase/DbfWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(DbfWriter, NamesAndFileNames) {
    EXPECT_EQ(
        dbase::fieldNames({"Id_Atendimento", "Id_Atendimento_Status", "NomeUnidadeTrabalho", "NomeUnidadeAgendada",
                           "sexo", "SEXO", "Telefone_Residencial", "Telefone_Recado", "Telefone_R"}),
        QStringList({"Id_Atendim", "Id_Atend_2", "NomeUnidad", "NomeUnid_2", "sexo", "SEXO_2", "Telefone_R",
                     "Telefone_2", "Telefone_3"}));
    const QList<std::pair<QString, QString>> files{{"/tmp/saida", "/tmp/saida.dbf"},
                                                   {"/tmp/saida.dbf", "/tmp/saida.dbf"},
                                                   {"/tmp/SAIDA.DBF", "/tmp/SAIDA.DBF"},
                                                   {"/tmp/saida.txt", "/tmp/saida.txt.dbf"}};
    for (const auto& [chosen, expected] : files)
        EXPECT_EQ(dbase::tableFileName(chosen), expected);
    EXPECT_EQ(dbase::toWindows1252(QStringLiteral("Ação €1 ✓")), QByteArray("A\xE7\xE3o \x80"
                                                                            "1 ?"));
    // One "?" per character, whatever its size in UTF-16; exports join an accent typed apart to its letter.
    EXPECT_EQ(dbase::toWindows1252(QString::fromUtf8("🐶x")), QByteArray("?x"));
    EXPECT_EQ(dbase::exportBytes(QString::fromUtf8("e\u0301 🐶 日")), QByteArray("\xE9 ? ?"));
    const QList<std::pair<QString, QString>> sides{
        {"/tmp/a.dbf", "/tmp/a.cpg"}, {"/tmp/A.DBF", "/tmp/A.CPG"}, {"/tmp/v1.2/a.txt.dbf", "/tmp/v1.2/a.txt.cpg"}};
    for (const auto& [table, side] : sides)
        EXPECT_EQ(dbase::codePageFileName(table), side);
}

TEST(DbfWriter, TypesNullsAndReplacement) {
    QTemporaryDir dir;
    const QString file = dir.filePath("saida.dbf");
    db::RowSet rows;
    rows.setFields({"ID", "nome_animal", "End_X", "Data_Nascimento", "unused"});
    rows.append({7, QStringLiteral("TOTÓ da Conceição"), 12.5, QDateTime(QDate(2020, 2, 29), QTime(23, 59, 30)), 1});
    rows.append({QVariant(), QVariant(), QVariant(), QVariant(), 2});
    rows.append({QStringLiteral("-42"), QString(300, QLatin1Char('x')), QStringLiteral("-3.25"),
                 QStringLiteral("1999-12-31 00:00:00"), 3});
    const QList<dbase::Field> fields{dbase::integerField("id"), dbase::textField("NOME_ANIMAL", 300),
                                     dbase::numberField("end_x"), dbase::dateField("data_nascimento")};

    // A first, larger file of the same name is replaced without a trace.
    dbase::writeTable(file, fields, rows);
    rows.remove(2);
    dbase::writeTable(file, fields, rows);

    const DbfContents dbf = readDbf(file);
    EXPECT_EQ(dbf.specs, QStringList({"id N(11,0)", "nome_anima C(254)", "end_x N(19,6)", "data_nasci D"}));
    ASSERT_EQ(dbf.rows.size(), 2);
    EXPECT_EQ(dbf.rows[0], QVariantList({7, QStringLiteral("TOTÓ da Conceição"), 12.5, QStringLiteral("2020-02-29")}));
    EXPECT_EQ(dbf.rows[1], QVariantList({QVariant(), QString(), QVariant(), QVariant()}));

    // The third row, written alone: negative numbers, a text cut to the field, a stored date-time text.
    db::RowSet third;
    third.setFields(rows.fields());
    third.append({QStringLiteral("-42"), QString(300, QLatin1Char('x')), QStringLiteral("-3.25"),
                  QStringLiteral("1999-12-31 00:00:00"), 3});
    dbase::writeTable(file, fields, third);
    EXPECT_EQ(readDbf(file).rows.value(0), QVariantList({-42, QString(254, QLatin1Char('x')), -3.25, "1999-12-31"}));

    EXPECT_THROW(dbase::writeTable(file, {dbase::integerField("missing")}, rows), db::Error);
    EXPECT_THROW(dbase::Writer(dir.filePath("no/such/folder/x.dbf"), fields), dbase::Error);

    // A value that does not fit stops the export and leaves the earlier file as it was.
    third.row(0)[0] = 1e15;
    EXPECT_THROW(dbase::writeTable(file, fields, third), dbase::Error);
    EXPECT_EQ(readDbf(file).rows.value(0).value(0), -42);

    // The name is kept exactly, extension case included, and nothing else is left in the folder but the
    // code-page side files.
    dbase::writeTable(dir.filePath("UP.DBF"), fields, rows);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"UP.CPG", "UP.DBF", "saida.cpg", "saida.dbf"}));
}

TEST(DbfWriter, ReadersOfGisAndStatisticsSeeWindows1252AndTheUmasksMode) {
    QTemporaryDir dir;
    const mode_t before = ::umask(027);
    db::RowSet rows;
    rows.setFields({"nome", "x"});
    rows.append({kNameBeyondLatin1, 1.5});
    // Each of the 254 characters beyond Windows-1252 takes one byte: the text is cut at the field's width.
    rows.append({QString::fromUtf8("🐶").repeated(300), 2.0});
    dbase::writeTable(dir.filePath("animais.dbf"), {dbase::textField("nome", 254), dbase::numberField("x")}, rows);
    expectForeignReadable(dir.filePath("animais.dbf"), "nome", kNameBeyondLatin1Written);
    EXPECT_TRUE(readWithDbfread(dir.filePath("animais.dbf")).column("nome").contains(QString(254, QLatin1Char('?'))));
    ::umask(before);
}
