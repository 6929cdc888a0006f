// SPDX-License-Identifier: GPL-3.0-or-later
// Every text keeps to its width: its own, or up to the next item of its line, never past the right margin.

#include "ReportGeometry.h"
#include "ReportTesting.h"

#include "platform/report/Output.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;
using namespace report::testing;

namespace {

const QString kLongName = QStringLiteral("MARIA CONCEIÇÃO DOS SANTOS WANDERLEY DE ALBUQUERQUE MAGALHÃES");  // 60

std::shared_ptr<TableData> oneRow(const QStringList& fields, const QVariantList& values) {
    auto data = std::make_shared<TableData>(fields);
    data->addRow(values);
    return data;
}

// The text printed is the longest beginning of the value that fits its box: whole characters, and the
// next one past any blanks would not fit.
void expectCutToFit(const Element& e, const QString& value) {
    ASSERT_FALSE(e.text.isEmpty());
    EXPECT_TRUE(value.startsWith(e.text)) << e.text.toStdString();
    EXPECT_FALSE(e.text.endsWith(' '));
    EXPECT_LE(textWidth(e.text, e.textFont()), e.rect.width() + 0.01) << e.text.toStdString();
    qsizetype next = e.text.size();
    while (next < value.size() && value[next] == ' ')
        ++next;
    if (next < value.size()) {
        EXPECT_GT(textWidth(value.left(next + 1), e.textFont()), e.rect.width()) << e.text.toStdString();
    }
}

const Element& textAt(const Page& page, qreal xMm, qreal yMm) {
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Text && qAbs(e.rect.left() - mmToPt(xMm)) < 0.01 &&
            qAbs(e.rect.top() - mmToPt(yMm)) < 0.01)
            return e;
    }
    static const Element none;
    ADD_FAILURE() << "no text at " << xMm << ", " << yMm;
    return none;
}

}  // namespace

TEST(ReportWidths, ItemWithoutWidthEndsAtTheNextItemOfItsLineOrAtTheRightMargin) {
    const QString memo = QString(kLongName + QLatin1Char(' ')).repeated(4).trimmed();
    Report report;
    report.setMargins(10);  // 190 mm of body
    report.setData(oneRow({"nome", "obs"}, {kLongName, memo}));
    Band& band = report.addBand(BandType::Detail, 12);
    band.addField({0, 0, 0, 5}, "nome");
    band.addLabel({50, 1, 30, 5}, "Status atend.:");  // a little lower, still on the line
    band.addLabel({120, 0, 30, 5}, "Sexo:");
    band.addField({20, 6, 0, 5}, "obs");  // the labels above are on another line

    const Document document = report.layout();
    const Page& page = document.pages[0];
    const Element& name = textAt(page, 10, 10);
    EXPECT_NEAR(name.rect.width(), mmToPt(50), 0.01);
    expectCutToFit(name, kLongName);
    const Element& obs = textAt(page, 30, 16);
    EXPECT_NEAR(obs.rect.right(), mmToPt(200), 0.01);
    expectCutToFit(obs, memo);
    EXPECT_EQ(widthFaults(report, document).join('\n').toStdString(), "");
}

TEST(ReportWidths, AlignedTextsStayInsideTheirBoxesAndNoBoxPassesTheMargin) {
    Report report;
    report.setMargins(10);
    // Accents typed as marks of their own stay with their letters.
    const QString marked = QStringLiteral("A\u0303").repeated(60);
    report.setData(oneRow({"nome", "marcado"}, {kLongName, marked}));
    Band& band = report.addBand(BandType::Detail, 26);
    band.addField({100, 0, 30, 5}, "nome").setAlignment(Qt::AlignRight);
    band.addField({0, 18, 33, 5}, "marcado");
    band.addField({0, 6, 40, 5}, "nome").setAlignment(Qt::AlignHCenter);
    band.addField({150, 12, 60, 5}, "nome");                             // drawn past the right margin
    band.addLabel({0, 12, 40, 5}, "1,50").setAlignment(Qt::AlignRight);  // short texts stay whole

    const Document document = report.layout();
    const Page& page = document.pages[0];
    expectCutToFit(textAt(page, 110, 10), kLongName);
    expectCutToFit(textAt(page, 10, 16), kLongName);
    const Element& atMargin = textAt(page, 160, 22);
    EXPECT_NEAR(atMargin.rect.right(), mmToPt(200), 0.01);
    expectCutToFit(atMargin, kLongName);
    EXPECT_NE(findText(page, "1,50"), nullptr);
    const Element& withMarks = textAt(page, 10, 28);
    EXPECT_TRUE(marked.startsWith(withMarks.text));
    EXPECT_GT(withMarks.text.size(), 10);
    EXPECT_EQ(withMarks.text.size() % 2, 0);  // no letter without its mark
    EXPECT_LE(textWidth(withMarks.text, withMarks.textFont()), withMarks.rect.width());
    EXPECT_EQ(widthFaults(report, document).join('\n').toStdString(), "");
}

TEST(ReportWidths, MemosWrapWithinTheirWidthEvenThroughALongWord) {
    // 250 characters, one "word" of them longer than the box is wide.
    const QString code = QStringLiteral("REF:") + QString(76, QLatin1Char('W'));
    QString memo = QStringLiteral("Observações do atendimento: ") + code + QStringLiteral(" animal dócil, ");
    while (memo.size() < 250)
        memo += QStringLiteral("sem intercorrências ");
    memo.truncate(250);
    Report report;
    report.setMargins(10);
    report.setData(oneRow({"obs"}, {memo}));
    Band& band = report.addBand(BandType::Detail, 12).setGrows();
    band.addField({130, 0, 80, 5}, "obs").setWordWrap();  // wraps at the right margin
    band.addLabel({130, 6, 40, 5}, "Assinatura");
    report.addBand(BandType::Detail, 12).addMemo({0, 0, 30, 11}, memo);  // does not grow: shows two lines
    report.addBand(BandType::Detail, 12).setGrows().addRichText({0, 0, 60, 5}, "<p>" + memo + "</p>");

    const Document document = report.layout();
    const Page& page = document.pages[0];
    const Element& wrapped = textAt(page, 140, 10);
    EXPECT_NEAR(wrapped.rect.right(), mmToPt(200), 0.01);
    ASSERT_GT(wrapped.lineCount(), 4);
    EXPECT_EQ(wrapped.text.split('\n').join("").remove(' '), QString(memo).remove(' '));  // nothing lost
    EXPECT_GE(findText(page, "Assinatura")->rect.top(), wrapped.rect.bottom());
    const Element* kept = nullptr;
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Text && e.rect.width() < mmToPt(31))
            kept = &e;
    }
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->lineCount(), 2);
    EXPECT_EQ(widthFaults(report, document).join('\n').toStdString(), "");
    // Rich text breaks the long word too, rather than running it out of its box.
    const Element& rich = page.elements.back();
    ASSERT_EQ(rich.kind, Element::Kind::Drawing);
    int holdingCode = 0;
    for (const DrawingLine& l : rich.figure->drawing->lines())
        holdingCode += l.text.contains("WWWWW");
    EXPECT_GE(holdingCode, 2);
}

TEST(ReportWidths, ExportsAndThePdfShowTheTextAsThePageCutsIt) {
    Report report;
    report.setMargins(10);
    report.setData(oneRow({"id", "nome", "status"}, {1, kLongName, "AGENDADO"}));
    Band& band = report.addBand(BandType::Detail, 6);
    band.addExpression({0, 0, 45, 5}, [](const Context& c) { return c.text("id") + " - " + c.text("nome"); });
    band.addField({46, 0, 30, 5}, "status");
    const Document document = report.layout();
    const QString cut = document.pages[0].elements[0].text;
    ASSERT_TRUE(cut.startsWith("1 - MARIA CONCEI"));
    ASSERT_LT(cut.size(), kLongName.size());

    const QString line = cut + QLatin1Char(',') + QStringLiteral("AGENDADO\r\n");
    EXPECT_EQ(exportText(document, Format::Csv), line);
    for (const Format format : {Format::Text, Format::Html}) {
        const QString text = exportText(document, format);
        EXPECT_TRUE(text.contains(cut.toHtmlEscaped()));
        EXPECT_FALSE(text.contains(kLongName.right(10)));
    }
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(writePdf(document, dir.filePath("corte.pdf")));
    QProcess process;
    process.start(pdftotext, {dir.filePath("corte.pdf"), "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString pdf = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(pdf.contains(cut)) << pdf.toStdString();
    EXPECT_FALSE(pdf.contains(kLongName.right(10)));
}
