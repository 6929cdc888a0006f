// SPDX-License-Identifier: GPL-3.0-or-later
// A report's outputs: text, HTML, CSV, pictures and PDF, read back as an outside tool reads them.
#include "ForeignReaders.h"
#include "ReportTesting.h"

#include "platform/report/Jpeg.h"
#include "platform/report/Output.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;
using namespace report::testing;

namespace {

std::shared_ptr<TableData> awkwardNames() {
    auto data = std::make_shared<TableData>(QStringList{"id", "nome", "valor"});
    data->addRow({1, "Silva, João", 1.5});
    data->addRow({2, "O \"Rex\"", 3.0});
    data->addRow({3, "A & B <c>", 10});
    return data;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

}  // namespace

// ---- text exports

TEST(ReportExport, TextKeepsEachLineInColumnOrderAndSeparatesPages) {
    Report report;
    defineList(report);
    report.setData(numberedRows(51));
    const QString text = exportText(report.layout(), Format::Text);

    const QStringList pages = text.split('\f');
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QRegularExpression("^\\s*1\\s+Nome 1\\s+1,5$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(
        pages[0].contains(QRegularExpression("^\\s*Cód - Nome\\s+Valor$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(pages[0].contains(QRegularExpression("^\\s*Pag.: 1$", QRegularExpression::MultilineOption)));
    EXPECT_FALSE(pages[0].contains("Nome 51"));
    EXPECT_TRUE(
        pages[1].contains(QRegularExpression("^\\s*51\\s+Nome 51\\s+76,5$", QRegularExpression::MultilineOption)));
    // Header, fifty lines and the footer.
    EXPECT_EQ(pages[0].trimmed().split('\n').size(), 2 + 50 + 1);
}

TEST(ReportExport, CsvQuotesFieldsWithCommasOrQuotes) {
    Report report;
    defineList(report);
    report.setData(awkwardNames());
    const QString csv = exportText(report.layout(), Format::Csv);
    const QStringList lines = csv.split("\r\n");
    EXPECT_EQ(lines[0], "Nurvalia - NURV");
    EXPECT_EQ(lines[1], "Cód - Nome,Valor");
    EXPECT_EQ(lines[2], "1,\"Silva, João\",\"1,5\"");
    EXPECT_EQ(lines[3], "2,\"O \"\"Rex\"\"\",3");
    EXPECT_EQ(lines[4], "3,A & B <c>,10");
    EXPECT_EQ(lines[5], "Pag.:,1");
}

TEST(ReportExport, HtmlWritesATablePerPageWithEscapedCells) {
    Report report;
    defineList(report);
    auto data = awkwardNames();
    for (int i = 4; i <= 60; ++i)
        data->addRow({i, QStringLiteral("Nome %1").arg(i), i});
    report.setData(data);
    const QString html = exportText(report.layout(), Format::Html);
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("<title>Lista</title>"));
    EXPECT_EQ(html.count("<table class=\"page\""), 2);
    EXPECT_TRUE(html.contains("<tr><td>3</td><td>A &amp; B &lt;c&gt;</td><td>10</td></tr>"));
    EXPECT_TRUE(html.contains("<tr><td>Pag.:</td><td>2</td></tr>"));
    EXPECT_TRUE(html.trimmed().endsWith("</html>"));
}

// The cells of a saved CSV (Python's csv module) or HTML file (its html.parser, with the declared charset
// last), as whoever receives the file reads them.
QStringList cellsReadByPython(const QString& kind, const QString& path) {
    static const char* script = R"(
import csv, html.parser, json, sys
kind, path = sys.argv[1], sys.argv[2]
if kind == 'csv':
    with open(path, encoding='utf-8-sig', newline='') as f:
        cells = [c for row in csv.reader(f) for c in row]
else:
    class Cells(html.parser.HTMLParser):
        def __init__(self):
            super().__init__()
            self.cells, self.inside, self.charset = [], False, None
        def handle_starttag(self, tag, attrs):
            if tag == 'td':
                self.inside = True
                self.cells.append('')
            if tag == 'meta':
                self.charset = dict(attrs).get('charset')
        def handle_endtag(self, tag):
            if tag == 'td':
                self.inside = False
        def handle_data(self, data):
            if self.inside:
                self.cells[-1] += data
    parser = Cells()
    with open(path, encoding='utf-8') as f:
        parser.feed(f.read())
    cells = parser.cells + ['charset=%s' % parser.charset]
print(json.dumps(cells))
)";
    QStringList cells;
    const QJsonDocument json = QJsonDocument::fromJson(
        runReader(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), kind, path}));
    for (const QJsonValue& v : json.array())
        cells << v.toString();
    return cells;
}

TEST(ReportExport, SavesEveryFormatWholeInTheUmasksModeForOtherReadersAndReportsFailures) {
    Report report;
    defineList(report);
    auto data = awkwardNames();
    data->addRow({4, kNameBeyondLatin1, 2});
    report.setData(data);
    const Document document = report.layout();
    QTemporaryDir dir;
    const mode_t before = ::umask(027);
    const std::pair<Format, QString> saves[] = {{Format::Csv, "lista.csv"},
                                                {Format::Html, "lista.html"},
                                                {Format::Text, "lista.txt"},
                                                {Format::Pdf, "lista.pdf"}};
    for (const auto& [format, name] : saves) {
        ASSERT_TRUE(save(document, dir.filePath(name), format)) << name.toStdString();
        EXPECT_EQ(fileMode(dir.filePath(name)), 0640) << name.toStdString();
    }
    ::umask(before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"lista.csv", "lista.html", "lista.pdf", "lista.txt"}));
    QFile text(dir.filePath("lista.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(text.readAll()), exportText(document, Format::Text));
    // The text exports are UTF-8 and say so, the CSV file by its byte-order mark (a spreadsheet reads a file
    // without one in its own code page): every character reaches the reader as it was.
    QFile csvFile(dir.filePath("lista.csv"));
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(csvFile.readAll(), "\xEF\xBB\xBF" + exportText(document, Format::Csv).toUtf8());
    const QStringList csv = cellsReadByPython("csv", dir.filePath("lista.csv"));
    EXPECT_TRUE(csv.contains("Silva, João"));
    EXPECT_TRUE(csv.contains(kNameBeyondLatin1)) << csv.join('|').toStdString();
    const QStringList html = cellsReadByPython("html", dir.filePath("lista.html"));
    EXPECT_TRUE(html.contains("A & B <c>"));
    EXPECT_TRUE(html.contains(kNameBeyondLatin1)) << html.join('|').toStdString();
    EXPECT_EQ(html.value(html.size() - 1), "charset=utf-8");

    QString error;
    EXPECT_FALSE(save(document, dir.filePath("missing/lista.txt"), Format::Text, &error));
    EXPECT_EQ(error, "A pasta do arquivo " + dir.filePath("missing/lista.txt") + " não existe. Escolha outra pasta.");
}

TEST(ReportExport, PdfReadsBackWithEveryPage) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    Report report;
    defineList(report);
    report.setOrientation(Orientation::Landscape);
    report.addBand(BandType::Summary, 20)
        .addRichText({0, 0, 150, 20}, "<p>Declaro <b>ainda</b> que o animal está em jejum</p>");
    report.setData(numberedRows(40));  // 30 lines a landscape page
    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 2);

    QTemporaryDir dir;
    const QString path = dir.filePath("lista.pdf");
    ASSERT_TRUE(writePdf(document, path));
    const QString text = run(pdftotext, {"-layout", path, "-"});
    EXPECT_EQ(text.count('\f'), 2);
    const QStringList pages = text.split('\f');
    EXPECT_TRUE(pages[0].contains("Nurvalia - NURV"));
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Nome 30\\s+45")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("Nome 40\\s+60")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("Pag.:\\s+2")));
    EXPECT_TRUE(pages[1].contains("Declaro ainda que o animal está em jejum"));

    const QString info = run(QStandardPaths::findExecutable("pdfinfo"), {path});
    if (!info.isEmpty()) {
        EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)? pts")))
            << info.toStdString();
    }
}

// ---- JPEG pictures

TEST(ReportJpeg, DecodesColourAndGreyPicturesThroughLibjpeg) {
    QImage colour(40, 20, QImage::Format_RGB32);
    colour.fill(QColor(200, 40, 30));
    for (int x = 20; x < 40; ++x)
        for (int y = 0; y < 20; ++y)
            colour.setPixel(x, y, qRgb(20, 60, 220));
    QString error;
    const QImage decoded = decodeJpeg(jpegOf(colour), &error);
    ASSERT_FALSE(decoded.isNull()) << error.toStdString();
    EXPECT_EQ(decoded.size(), QSize(40, 20));
    EXPECT_TRUE(error.isEmpty());
    const QColor left = decoded.pixelColor(5, 10), right = decoded.pixelColor(35, 10);
    EXPECT_NEAR(left.red(), 200, 12);
    EXPECT_NEAR(left.blue(), 30, 12);
    EXPECT_NEAR(right.red(), 20, 12);
    EXPECT_NEAR(right.blue(), 220, 12);

    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(128);
    const QImage decodedGrey = decodeJpeg(jpegOf(grey));
    ASSERT_FALSE(decodedGrey.isNull());
    EXPECT_EQ(decodedGrey.format(), QImage::Format_Grayscale8);
    EXPECT_NEAR(qGray(decodedGrey.pixel(8, 8)), 128, 3);
}

TEST(ReportJpeg, RejectsWhatIsNotAJpegAndSurvivesATruncatedOne) {
    QString error;
    EXPECT_TRUE(decodeJpeg(QByteArray("not a picture at all"), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(decodeJpeg(QByteArray(), &error).isNull());

    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) % 256));
    const QByteArray bytes = jpegOf(picture);
    const QImage partial = decodeJpeg(bytes.left(bytes.size() * 2 / 3), &error);
    EXPECT_EQ(partial.size(), QSize(256, 256)) << error.toStdString();  // the rest filled in by the decoder
    EXPECT_NEAR(qRed(partial.pixel(200, 10)), 200, 12);
}

TEST(ReportJpeg, ImageItemTakesJpegBytes) {
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    Report report;
    report.addBand(BandType::Title, 20).addImage({0, 0, 60, 20}, jpegOf(picture));
    const Document document = report.layout();
    ASSERT_EQ(document.pages[0].elements.size(), 1u);
    const Element& image = document.pages[0].elements[0];
    EXPECT_EQ(image.kind, Element::Kind::Image);
    EXPECT_EQ(image.figure->image.size(), QSize(30, 10));
    EXPECT_NEAR(image.rect.width(), mmToPt(60), 0.01);
}
