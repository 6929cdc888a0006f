// nurv-bench: timings of the report engine against what a hand-written loop needs for the same output.
//   nurv-bench            runs every scenario
//   nurv-bench NAME...    runs the named scenarios
//   nurv-bench --list     lists them

#include "RegistryBench.h"

#include "platform/report/Format.h"
#include "platform/report/Output.h"
#include "platform/report/Report.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Scenario {
    const char* name;
    const char* description;
    std::function<bool()> run;
};

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Best of a few runs, so a stray pause of the machine does not count.
double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, millisecondsOf(work));
    return best;
}

// ---- list of 10,000 rows

constexpr int kListRows = 10000;
constexpr qreal kMargin = 10, kHeader = 17, kLine = 5, kFooter = 10;  // millimetres
const qreal kColumns[4] = {0, 20, 80, 160};
const qreal kWidths[4] = {18, 58, 78, 30};

std::shared_ptr<report::TableData> listRows()
{
    auto data = std::make_shared<report::TableData>(QStringList{"id", "nome", "descricao", "valor"});
    data->reserve(kListRows);
    for (int i = 1; i <= kListRows; ++i)
        data->addRow({i, QStringLiteral("Proprietário %1").arg(i), QStringLiteral("Animal %1, canino, porte médio").arg(i),
                      i * 1.25});
    return data;
}

std::shared_ptr<report::Report> listReport(std::shared_ptr<report::TableData> data)
{
    using namespace report;
    auto report = std::make_shared<Report>();
    report->setTitle(QStringLiteral("Lista de proprietários"));
    report->setMargins(kMargin);
    report->setData(std::move(data));
    Band& header = report->addBand(BandType::PageHeader, kHeader);
    header.addLabel({0, 0, 90, 6}, QStringLiteral("Nurvalia - NURV")).setBold();
    header.addSystem({140, 0, 50, 5}, SystemField::DateTime).setAlignment(Qt::AlignRight);
    const char* headings[4] = {"Cód.", "Nome", "Descrição", "Valor"};
    for (int c = 0; c < 4; ++c)
        header.addLabel({kColumns[c], 10, kWidths[c], 5}, QString::fromUtf8(headings[c])).setBold();
    Band& detail = report->addBand(BandType::Detail, kLine);
    const char* fields[4] = {"id", "nome", "descricao", "valor"};
    for (int c = 0; c < 4; ++c) {
        Item& item = detail.addField({kColumns[c], 0, kWidths[c], kLine}, QLatin1String(fields[c]));
        if (c == 3)
            item.setAlignment(Qt::AlignRight).setFormat(QStringLiteral("#,##0.00"));
    }
    Band& footer = report->addBand(BandType::PageFooter, kFooter);
    footer.addLabel({160, 2, 12, 5}, QStringLiteral("Pag.:"));
    footer.addSystem({173, 2, 15, 5}, SystemField::PageNumber);
    Band& summary = report->addBand(BandType::Summary, 8);
    summary.addLabel({0, 2, 40, 5}, QStringLiteral("Total de registro:"));
    summary.addExpression({45, 2, 20, 5}, [](const Context& c) { return c.count(); });
    return report;
}

// The floor: the same strings formatted, measured and drawn page by page with no engine at all.
int handPaintedList(const report::TableData& data, QPaintDevice* device, QPagedPaintDevice* pages)
{
    QPainter painter;
    if (device && !painter.begin(device))
        return -1;
    const qreal dpi = device ? device->logicalDpiY() : 72.0;
    if (device)
        painter.scale(dpi / 72.0, dpi / 72.0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10 * 72.0 / dpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, device ? device : nullptr);
    const QFontMetricsF boldMetrics(bold, device ? device : nullptr);
    const char* fields[4] = {"id", "nome", "descricao", "valor"};
    const QStringList headings = {"Cód.", "Nome", "Descrição", "Valor"};
    const QString stamp = report::formatValue(QDateTime::currentDateTime(), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    const qreal pt = report::kPointsPerMm;
    const int perPage = int((297 - 2 * kMargin - kHeader - kFooter) / kLine + 1e-6);
    double width = 0;  // what measuring found, so the compiler keeps it
    int page = 0;
    for (int row = 0; row < data.rowCount(); ++row) {
        const bool first = row % perPage == 0;
        if (first) {
            if (page > 0 && pages)
                pages->newPage();
            ++page;
            if (device) {
                painter.setFont(bold);
                painter.drawText(QPointF(kMargin * pt, kMargin * pt + boldMetrics.ascent()), QStringLiteral("Nurvalia - NURV"));
                for (int c = 0; c < 4; ++c)
                    painter.drawText(QPointF((kMargin + kColumns[c]) * pt, (kMargin + 10) * pt + boldMetrics.ascent()), headings[c]);
                painter.setFont(font);
                painter.drawText(QPointF((kMargin + 190) * pt - metrics.horizontalAdvance(stamp), kMargin * pt + metrics.ascent()), stamp);
                painter.drawText(QPointF((kMargin + 160) * pt, (297 - kMargin - kFooter + 2) * pt + metrics.ascent()), QStringLiteral("Pag.:"));
                painter.drawText(QPointF((kMargin + 173) * pt, (297 - kMargin - kFooter + 2) * pt + metrics.ascent()), QString::number(page));
            }
        }
        const qreal y = (kMargin + kHeader + (row % perPage) * kLine) * pt + metrics.ascent();
        for (int c = 0; c < 4; ++c) {
            const QVariant value = data.value(row, QLatin1String(fields[c]));
            const QString text = report::formatValue(value, c == 3 ? QStringLiteral("#,##0.00") : QString());
            const qreal advance = metrics.horizontalAdvance(text);
            width += advance;
            if (device) {
                const qreal x = (kMargin + kColumns[c]) * pt + (c == 3 ? kWidths[c] * pt - advance : 0);
                painter.drawText(QPointF(x, y), text);
            }
        }
    }
    if (device)
        painter.end();
    return width > 0 ? page : 0;
}

bool listScenario()
{
    QTemporaryDir dir;
    const auto data = listRows();
    const auto report = listReport(data);

    report::Document document;
    const double layout = bestOf(5, [&] { document = report->layout(); });
    const double pdf = millisecondsOf([&] { report::writePdf(document, dir.filePath("engine.pdf")); });
    int floorPages = 0;
    const double measureFloor = bestOf(5, [&] { floorPages = handPaintedList(*data, nullptr, nullptr); });
    const double paintFloor = millisecondsOf([&] {
        QPdfWriter writer(dir.filePath("floor.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        handPaintedList(*data, &writer, &writer);
    });

    std::printf("  rows %d, pages %d (floor %d)\n", kListRows, document.pageCount(), floorPages);
    std::printf("  layout                          %9.1f ms  (best of 5)\n", layout);
    std::printf("  PDF writing                     %9.1f ms\n", pdf);
    std::printf("  floor: format + measure         %9.1f ms  (best of 5)\n", measureFloor);
    std::printf("  floor: format + measure + PDF   %9.1f ms\n", paintFloor);
    std::printf("  ratio layout / measure floor    %9.2f     (goal < 3)\n", layout / measureFloor);
    std::printf("  ratio (layout + PDF) / floor    %9.2f     (goal < 3)\n", (layout + pdf) / paintFloor);
    return layout < 1000;
}

const std::vector<Scenario>& scenarios()
{
    static const std::vector<Scenario> all = {
        {"list10k", "10,000-row list with page header, page numbers and summary, laid out and written to PDF", listScenario},
        {"advanced-search", "046 search of one species born in five years among 300,000 animals, against the sqlite3 shell",
         advancedSearchScenario},
        {"dbase-export", "100,000 rows of the 046 result written to dBase, against a plain shapelib loop",
         dbaseExportScenario},
    };
    return all;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<const Scenario*> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0) {
            for (const Scenario& s : scenarios())
                std::printf("%-10s %s\n", s.name, s.description);
            return 0;
        }
        const auto found = std::find_if(scenarios().begin(), scenarios().end(),
                                         [&](const Scenario& s) { return std::strcmp(s.name, argv[i]) == 0; });
        if (found == scenarios().end()) {
            std::fprintf(stderr, "nurv-bench: no scenario named %s (try --list)\n", argv[i]);
            return 2;
        }
        chosen.push_back(&*found);
    }
    if (chosen.empty()) {
        for (const Scenario& s : scenarios())
            chosen.push_back(&s);
    }
    bool ok = true;
    for (const Scenario* s : chosen) {
        std::printf("%s: %s\n", s->name, s->description);
        ok = s->run() && ok;
    }
    return ok ? 0 : 1;
}
