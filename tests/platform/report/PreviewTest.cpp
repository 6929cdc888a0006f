// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window: page moves, zoom, saves and prints through the installed dialogs.
#include "ReportTesting.h"

#include "platform/report/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

#include <gtest/gtest.h>

using namespace report;
using namespace report::testing;

namespace {

std::shared_ptr<Report> listOf(int rows) {
    auto report = std::make_shared<Report>();
    defineList(*report);
    report->setData(numberedRows(rows));
    return report;
}

void trigger(QWidget& window, const char* action) {
    auto* found = window.findChild<QAction*>(QLatin1String(action));
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
}

}  // namespace

TEST(ReportPreview, NavigatesPagesAndZooms) {
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

TEST(ReportPreview, EveryToolBarActionHasAKeyItsToolTipSaysAndTheZoomsAnswerTheirs) {
    PreviewWindow window(listOf(160));
    for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (const QAction* action : bar->actions()) {
            if (action->isSeparator() || qobject_cast<const QWidgetAction*>(action))
                continue;
            ASSERT_FALSE(action->shortcuts().isEmpty()) << action->objectName().toStdString();
            EXPECT_EQ(action->toolTip(),
                      action->text() + " (" + action->shortcut().toString(QKeySequence::NativeText) + ")");
        }
    }
    window.resize(700, 600);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);  // Largura da página
    EXPECT_LT(window.zoom(), 1.0);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);  // 100%
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
}

TEST(ReportPreview, SavesAndPrintsThroughTheInstalledDialogs) {
    QTemporaryDir dir;
    PreviewWindow window(listOf(3));

    ASSERT_TRUE(window.saveAs(dir.filePath("direto.txt"), Format::Text));
    EXPECT_TRUE(QFile::exists(dir.filePath("direto.txt")));

    // The dialog offers each kind of file with the suffix its file gets.
    QString suggested;
    QStringList suffixes;
    const auto offeredSuffixes = [&](const QList<FileType>& offered) {
        suffixes.clear();
        for (const FileType& type : offered)
            suffixes << type.filter.section('.', -1).chopped(1) + "=" + type.suffix;
    };
    setSaveDialog([&](QWidget*, const QString& name, const QList<FileType>& offered) {
        suggested = name;
        offeredSuffixes(offered);
        return std::optional<SaveChoice>(SaveChoice{dir.filePath("escolhido.html"), Format::Html});
    });
    trigger(window, "actSave");
    setSaveDialog({});
    EXPECT_EQ(suggested, "Lista");
    EXPECT_EQ(suffixes, QStringList({"pdf=pdf", "txt=txt", "htm=html", "csv=csv"}));
    QFile html(dir.filePath("escolhido.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("<td>Nome 3</td>"));

    auto pdfOnly = listOf(3);
    pdfOnly->setTextExports(false);
    PreviewWindow restricted(pdfOnly);
    setSaveDialog([&](QWidget*, const QString&, const QList<FileType>& offered) {
        offeredSuffixes(offered);
        return std::optional<SaveChoice>(SaveChoice{dir.filePath("recusado.csv"), Format::Csv});
    });
    trigger(restricted, "actSave");
    setSaveDialog({});
    EXPECT_EQ(suffixes, QStringList{"pdf=pdf"});
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

// Saving runs as the system's long work, a step a page; a save the user cancels leaves the earlier file as
// it was, in every text format.
TEST(ReportPreview, ACancelledSaveKeepsTheEarlierFile) {
    QTemporaryDir dir;
    PreviewWindow window(listOf(120));
    ASSERT_GE(window.pageCount(), 3);
    QStringList works;
    int steps = 0;
    int cancelAt = -1;
    setLongWork([&](const QString& text, const std::function<void(const Progress&)>& work) {
        works << text;
        try {
            work([&](qint64 done, qint64 total) {
                EXPECT_EQ(total, window.pageCount());
                EXPECT_EQ(done, steps++);
                if (steps == cancelAt)
                    throw 0;  // what the system's "Cancelar" throws is the system's own
            });
        } catch (int) {
            return false;
        }
        return true;
    });
    for (const auto& [name, format] : {std::pair{"lista.txt", Format::Text}, std::pair{"lista.html", Format::Html},
                                       std::pair{"lista.csv", Format::Csv}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QLatin1String(name));
        {
            QFile earlier(path);
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
            earlier.write("anterior");
        }
        setSaveDialog([&](QWidget*, const QString&, const QList<FileType>&) {
            return std::optional<SaveChoice>(SaveChoice{path, format});
        });
        steps = 0;
        cancelAt = 2;
        trigger(window, "actSave");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "anterior");
        file.close();
        steps = 0;
        cancelAt = -1;
        trigger(window, "actSave");
        EXPECT_EQ(steps, window.pageCount()) << "a step a page";
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("Nome 120"));
    }
    setSaveDialog({});
    setLongWork({});
    EXPECT_EQ(works.size(), 6);
    EXPECT_EQ(works.value(0), "Salvando o relatório...");
}

TEST(ReportPreview, NonModalPreviewKeepsItsReportUntilItCloses) {
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
