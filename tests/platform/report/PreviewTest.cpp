#include "ReportTesting.h"

#include "platform/report/PreviewWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;
using namespace report::testing;

namespace {

std::shared_ptr<Report> listOf(int rows)
{
    auto report = std::make_shared<Report>();
    defineList(*report);
    report->setData(numberedRows(rows));
    return report;
}

void trigger(QWidget& window, const char* action)
{
    auto* found = window.findChild<QAction*>(QLatin1String(action));
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
}

}  // namespace

TEST(ReportPreview, NavigatesPagesAndZooms)
{
    PreviewWindow window(listOf(160));  // 4 pages
    ASSERT_EQ(window.pageCount(), 4);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_FALSE(window.findChild<QAction*>("actPrior")->isEnabled());

    trigger(window, "actNext");
    EXPECT_EQ(window.currentPage(), 2);
    trigger(window, "actLast");
    EXPECT_EQ(window.currentPage(), 4);
    EXPECT_FALSE(window.findChild<QAction*>("actNext")->isEnabled());
    trigger(window, "actNext");
    EXPECT_EQ(window.currentPage(), 4);
    trigger(window, "actPrior");
    EXPECT_EQ(window.currentPage(), 3);
    trigger(window, "actFirst");
    EXPECT_EQ(window.currentPage(), 1);
    window.findChild<QSpinBox*>("spnPage")->setValue(3);
    EXPECT_EQ(window.currentPage(), 3);

    trigger(window, "actZoomIn");
    EXPECT_GT(window.zoom(), 1.0);
    trigger(window, "actActualSize");
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
    trigger(window, "actZoomOut");
    EXPECT_LT(window.zoom(), 1.0);
    window.resize(700, 600);
    window.show();
    trigger(window, "actFitWidth");
    EXPECT_GT(window.zoom(), 0.5);
    EXPECT_LT(window.zoom(), 1.0);  // A4 is wider than 700 pixels at 100%
}

TEST(ReportPreview, SavesAndPrintsThroughTheInstalledDialogs)
{
    QTemporaryDir dir;
    PreviewWindow window(listOf(3));

    ASSERT_TRUE(window.saveAs(dir.filePath("direto.txt"), Format::Text));
    EXPECT_TRUE(QFile::exists(dir.filePath("direto.txt")));

    QString suggested;
    setSaveDialog([&](QWidget*, const QString& name) {
        suggested = name;
        return std::optional<SaveChoice>(SaveChoice{dir.filePath("escolhido.html"), Format::Html});
    });
    trigger(window, "actSave");
    setSaveDialog({});
    EXPECT_EQ(suggested, "Lista");
    QFile html(dir.filePath("escolhido.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("<td>Nome 3</td>"));

    auto pdfOnly = listOf(3);
    pdfOnly->setTextExports(false);
    PreviewWindow restricted(pdfOnly);
    setSaveDialog([&](QWidget*, const QString&) {
        return std::optional<SaveChoice>(SaveChoice{dir.filePath("recusado.csv"), Format::Csv});
    });
    trigger(restricted, "actSave");
    setSaveDialog({});
    EXPECT_FALSE(QFile::exists(dir.filePath("recusado.csv"))) << "a report without text exports saves PDF only";

    bool asked = false;
    setPrintDialog([&](QPrinter& printer, QWidget*) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("impresso.pdf"));
        return true;
    });
    trigger(window, "actPrint");
    setPrintDialog({});
    EXPECT_TRUE(asked);
    EXPECT_GT(QFileInfo(dir.filePath("impresso.pdf")).size(), 0);
}

TEST(ReportPreview, NonModalPreviewKeepsItsReportUntilItCloses)
{
    std::weak_ptr<Report> watch;
    QPointer<PreviewWindow> window;
    {
        auto report = listOf(10);
        watch = report;
        window = showPreview(report, false);
    }
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(watch.expired());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(watch.expired());
}
