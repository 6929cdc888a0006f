// SPDX-License-Identifier: GPL-3.0-or-later
// The report layout: pages, groups, hooks, growing bands, items, formats, sums and long documents.
#include "ReportTesting.h"

#include "platform/report/Format.h"
#include "platform/report/Output.h"

#include <QChart>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPieSeries>

#include <gtest/gtest.h>

using namespace report;
using namespace report::testing;

namespace {

void addSummary(Report& report) {
    Band& summary = report.addBand(BandType::Summary, 8);
    summary.addLabel({0, 2, 40, 5}, QStringLiteral("Total de registro:"));
    summary.addExpression({45, 2, 20, 5}, [](const Context& c) { return c.count(); });
    summary.addExpression({70, 2, 30, 5}, [](const Context& c) { return c.sum(QStringLiteral("valor")); });
}

QStringList linesOf(const Document& document, const QString& prefix) {
    QStringList lines;
    for (const Page& page : document.pages) {
        for (const Element& e : page.elements) {
            if (e.kind == Element::Kind::Text && e.text.startsWith(prefix))
                lines += e.text.split(QLatin1Char('\n'));
        }
    }
    return lines;
}

}  // namespace

// ---- pages

TEST(ReportPages, FiftyLinesFillOnePageAndTheFiftyFirstOpensTheSecond) {
    Report report;
    defineList(report);
    report.setData(numberedRows(50));
    Document one = report.layout();
    ASSERT_EQ(one.pageCount(), 1);
    EXPECT_NEAR(findText(one.pages[0], "Nome 50")->rect.bottom(), mmToPt(277), 0.01);
    EXPECT_EQ(besideLabel(one.pages[0], "Pag.:"), "1");

    report.setData(numberedRows(51));
    Document two = report.layout();
    ASSERT_EQ(two.pageCount(), 2);
    EXPECT_EQ(findText(two.pages[0], "Nome 51"), nullptr);
    const Element* moved = findText(two.pages[1], "Nome 51");
    ASSERT_NE(moved, nullptr);
    EXPECT_NEAR(moved->rect.top(), mmToPt(27), 0.01);  // right below the page header
    for (int page = 0; page < 2; ++page) {
        EXPECT_NE(findText(two.pages[size_t(page)], "Nurvalia - NURV"), nullptr);
        EXPECT_EQ(besideLabel(two.pages[size_t(page)], "Pag.:"), QString::number(page + 1));
    }
}

TEST(ReportPages, TenThousandRowsNumberEveryPageAndSummariseOnTheLastOnly) {
    Report report;
    defineList(report);
    addSummary(report);
    report.setData(numberedRows(10000));

    QElapsedTimer timer;
    timer.start();
    const Document document = report.layout();
    EXPECT_LT(timer.elapsed(), 1000);

    // 200 full pages; the summary finds no room on the 200th and moves to a page of its own.
    ASSERT_EQ(document.pageCount(), 201);
    int rows = 0;
    for (int i = 0; i < document.pageCount(); ++i) {
        const Page& page = document.pages[size_t(i)];
        EXPECT_EQ(besideLabel(page, "Pag.:"), QString::number(i + 1));
        EXPECT_EQ(findText(page, "Total de registro:") != nullptr, i == 200) << "page " << i + 1;
        if (i < 200) {
            EXPECT_NE(findText(page, QStringLiteral("Nome %1").arg(i * 50 + 1)), nullptr) << "page " << i + 1;
        }
        for (const QString& text : textsOf(page))
            rows += text.startsWith("Nome ");
    }
    EXPECT_EQ(rows, 10000);
    EXPECT_EQ(besideLabel(document.pages.back(), "Total de registro:"), "10000");
    const Element* count = findText(document.pages.back(), "10000");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(besideLabel(document.pages.back(), "10000"), "75007500");  // 1.5 * (1 + ... + 10000)
}

TEST(ReportPages, SystemFieldsPrintTheFixedTimeAndTheNumberOfPages) {
    Report report;
    defineList(report);
    report.setNow(QDateTime(QDate(2012, 3, 5), QTime(14, 7, 9)));
    Band& footer = report.addBand(BandType::PageFooter, 5);
    footer.addLabel({0, 0, 10, 5}, "de");
    footer.addSystem({12, 0, 10, 5}, SystemField::PageCount);
    footer.addSystem({30, 0, 20, 5}, SystemField::Date);
    footer.addSystem({60, 0, 20, 5}, SystemField::Time);
    footer.addSystem({90, 0, 40, 5}, SystemField::DateTime);
    report.setData(numberedRows(120));  // 45 lines a page with the taller footer

    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 3);
    for (const Page& page : document.pages) {
        EXPECT_EQ(besideLabel(page, "de"), "3");
        EXPECT_NE(findText(page, "05/03/2012"), nullptr);
        EXPECT_NE(findText(page, "14:07:09"), nullptr);
        EXPECT_NE(findText(page, "05/03/2012 14:07:09"), nullptr);
    }
}

// A row may print the number of pages, known only once the last is laid out, and leaves out an empty label
// unless it is framed; the same whether the pages are kept or made again.
TEST(ReportPages, RowsPrintTheNumberOfPagesAndLeaveOutUnframedEmptyLabels) {
    const auto report = std::make_shared<Report>();
    report->setMargins(10);
    report->addBand(BandType::PageHeader, 17).addLabel({0, 0, 80, 6}, QStringLiteral("Nurvalia - NURV"));
    Band& detail = report->addBand(BandType::Detail, 5);
    detail.addField({0, 0, 15, 5}, QStringLiteral("id"));
    detail.addLabel({20, 0, 10, 5}, QString());
    detail.addLabel({40, 0, 10, 5}, QString()).setFrame(Qt::BottomEdge);
    detail.addSystem({60, 0, 20, 5}, SystemField::PageCount).setOnPrint([](QString& text) { text = "de " + text; });
    report->addBand(BandType::PageFooter, 10).addSystem({163, 2, 15, 5}, SystemField::PageNumber);
    report->setData(numberedRows(120));  // 50 rows a page

    const Document kept = report->layout();
    report->setKeptItems(10);
    const Document made = report->layout();
    ASSERT_TRUE(made.pages.isMade());
    for (const Document* document : {&kept, &made}) {
        ASSERT_EQ(document->pageCount(), 3);
        for (int p = 0; p < 3; ++p) {
            const Page& page = document->pages[size_t(p)];
            const QStringList texts = textsOf(page);
            const int rows = p < 2 ? 50 : 20;
            EXPECT_EQ(texts.count("de 3"), rows) << "page " << p + 1;
            EXPECT_EQ(texts.count(QString()), rows) << "page " << p + 1;  // the framed label only
            for (const Element& e : page.elements) {
                if (e.text == "de 3") {
                    EXPECT_NEAR(e.rect.left(), mmToPt(10 + 60), 0.01);
                }
            }
            EXPECT_EQ(int(page.elements.size()), 1 + 3 * rows + 1);
        }
    }
}

TEST(ReportPages, PageBandsSeeTheRowBeingPrintedAndCountTheRowsOfTheirPage) {
    Report report;
    report.setMargins(10);
    Band& header = report.addBand(BandType::PageHeader, 17);
    header.addLabel({0, 0, 30, 5}, "Primeiro:");
    header.addField({35, 0, 40, 5}, "nome");
    report.addBand(BandType::Detail, 10).addField({0, 0, 40, 5}, "nome");  // 25 lines a page
    Band& footer = report.addBand(BandType::PageFooter, 10);
    footer.addLabel({0, 0, 30, 5}, "Linhas:");
    footer.addExpression({35, 0, 20, 5}, [](const Context& c) { return c.count(); });
    footer.addLabel({60, 0, 30, 5}, "Soma:");
    footer.addExpression({95, 0, 20, 5}, [](const Context& c) { return c.sum("valor"); });
    report.setData(numberedRows(30));

    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(besideLabel(document.pages[0], "Primeiro:"), "Nome 1");
    EXPECT_EQ(besideLabel(document.pages[1], "Primeiro:"), "Nome 26");
    EXPECT_EQ(besideLabel(document.pages[0], "Linhas:"), "25");
    EXPECT_EQ(besideLabel(document.pages[0], "Soma:"), "487,5");  // 1.5 * (1 + ... + 25)
    EXPECT_EQ(besideLabel(document.pages[1], "Linhas:"), "5");
    EXPECT_EQ(besideLabel(document.pages[1], "Soma:"), "210");  // 1.5 * (26 + ... + 30)
}

TEST(ReportPages, EmptyDataStillPrintsTitleHeadingsSummaryAndFooterUnlessTold) {
    Report report;
    defineList(report);
    report.addBand(BandType::Title, 10).addLabel({0, 0, 80, 6}, "Unidade de Trabalho");
    addSummary(report);
    report.setData(numberedRows(0));

    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 1);
    const Page& page = document.pages[0];
    EXPECT_NE(findText(page, "Unidade de Trabalho"), nullptr);
    EXPECT_NE(findText(page, "Cód - Nome"), nullptr);
    EXPECT_EQ(besideLabel(page, "Total de registro:"), "0");
    EXPECT_EQ(besideLabel(page, "Pag.:"), "1");
    // Page header, then the title, then the summary.
    EXPECT_LT(findText(page, "Nurvalia - NURV")->rect.top(), findText(page, "Unidade de Trabalho")->rect.top());
    EXPECT_LT(findText(page, "Unidade de Trabalho")->rect.top(), findText(page, "Total de registro:")->rect.top());

    report.setPrintIfEmpty(false);
    EXPECT_EQ(report.layout().pageCount(), 0);
}

TEST(ReportPages, WithoutDataTheDetailPrintsOnce) {
    Report report;
    report.addBand(BandType::Detail, 10).addLabel({0, 0, 50, 5}, "Receituário");
    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 1);
    EXPECT_EQ(textsOf(document.pages[0]), QStringList{"Receituário"});
}

TEST(ReportPages, LandscapePagesAreWiderThanTall) {
    Report report;
    report.setOrientation(Orientation::Landscape);
    report.addBand(BandType::Detail, 10).addLabel({0, 0, 50, 5}, "x");
    const Document document = report.layout();
    EXPECT_NEAR(document.pageSize.width(), mmToPt(297), 0.01);
    EXPECT_NEAR(document.pageSize.height(), mmToPt(210), 0.01);
    EXPECT_TRUE(document.isLandscape());
}

// ---- groups and sub-details

TEST(ReportGroups, NestedGroupsBreakOnValueChangesAndCountTheirOwnRows) {
    auto data = std::make_shared<TableData>(QStringList{"Unidade", "Dia", "Qt"});
    data->addRow({"A", 1, 2});
    data->addRow({"A", 1, 3});
    data->addRow({"A", 2, 1});
    data->addRow({"B", 1, 5});
    data->addRow({"C", 3, 1});
    data->addRow({"C", 3, 1});

    Report report;
    report.setData(data);
    Group& unit = report.addGroup(QStringLiteral("unidade"));  // names match whatever their case
    unit.addHeader(6).addField({0, 0, 30, 5}, "UNIDADE");
    Band& unitFooter = unit.addFooter(6);
    unitFooter.addLabel({0, 0, 30, 5}, "Total unidade:");
    unitFooter.addExpression({40, 0, 20, 5}, [](const Context& c) { return c.count(); });
    unitFooter.addExpression({70, 0, 20, 5}, [](const Context& c) { return c.sum("qt"); });
    Group& day = report.addGroup(QStringLiteral("dia"));
    Band& dayFooter = day.addFooter(6);
    dayFooter.addLabel({0, 0, 30, 5}, "Total dia:");
    dayFooter.addExpression({40, 0, 20, 5}, [](const Context& c) { return c.count(); });
    Band& detail = report.addBand(BandType::Detail, 5);
    detail.addField({10, 0, 20, 5}, "dia");
    detail.addField({40, 0, 20, 5}, "qt");

    const Document document = report.layout();
    ASSERT_EQ(document.pageCount(), 1);
    const QStringList expected = {"A", "1",
                                  "2", "1",
                                  "3", "Total dia:",
                                  "2", "2",
                                  "1", "Total dia:",
                                  "1", "Total unidade:",
                                  "3", "6",
                                  "B", "1",
                                  "5", "Total dia:",
                                  "1", "Total unidade:",
                                  "1", "5",
                                  "C", "3",
                                  "1", "3",
                                  "1", "Total dia:",
                                  "2", "Total unidade:",
                                  "2", "2"};
    EXPECT_EQ(textsOf(document.pages[0]), expected);
}

TEST(ReportGroups, SubDetailPrintsTheChildRowsOfEachMasterRow) {
    auto owners = std::make_shared<TableData>(QStringList{"id", "nome"});
    owners->addRow({1, "Dono 1"});
    owners->addRow({2, "Dono 2"});
    owners->addRow({3, "Dono 3"});
    auto animals = std::make_shared<TableData>(QStringList{"dono", "animal"});
    animals->addRow({1, "Rex"});
    animals->addRow({1, "Toto"});
    animals->addRow({3, "Mia"});

    Report report;
    report.setData(owners);
    report.addBand(BandType::Detail, 6).addField({0, 0, 40, 5}, "nome");
    int prepared = 0;
    SubDetail& sub = report.addSubDetail([&](const Context& master) {
        ++prepared;
        auto rows = std::make_shared<TableData>(QStringList{"animal"});
        for (int i = 0; i < animals->rowCount(); ++i) {
            if (animals->value(i, "dono") == master.value("id"))
                rows->addRow({animals->value(i, "animal")});
        }
        return rows;
    });
    sub.addDetail(5).addExpression({10, 0, 60, 5},
                                   [](const Context& c) { return c.master()->text("nome") + ": " + c.text("animal"); });
    Band& footer = sub.addFooter(5);
    footer.addLabel({10, 0, 20, 5}, "Animais:");
    footer.addExpression({35, 0, 10, 5}, [](const Context& c) { return c.count(); });

    const Document document = report.layout();
    EXPECT_EQ(prepared, 3);
    const QStringList expected = {"Dono 1", "Dono 1: Rex", "Dono 1: Toto", "Animais:", "2",
                                  "Dono 2", "Dono 3",      "Dono 3: Mia",  "Animais:", "1"};
    EXPECT_EQ(textsOf(document.pages[0]), expected);
}

// ---- hooks

TEST(ReportHooks, PrintHookRewritesTheTextJustBeforeItPrints) {
    auto data = std::make_shared<TableData>(QStringList{"Bloqueado"});
    for (const char* flag : {"S", "N", "SIM", "NAO", ""})
        data->addRow({QString::fromUtf8(flag)});
    Report report;
    report.setData(data);
    report.addBand(BandType::Detail, 5).addField({0, 0, 20, 5}, "bloqueado").setOnPrint([](QString& text) {
        if (text == "S")
            text = "Sim";
        else if (text == "N")
            text = "Não";
    });
    const Document document = report.layout();
    EXPECT_EQ(textsOf(document.pages[0]), (QStringList{"Sim", "Não", "SIM", "NAO", ""}));
}

TEST(ReportHooks, RowCountsWhenAnyOfItsDetailBandsPrints) {
    Report report;
    defineList(report);
    addSummary(report);
    report.setData(numberedRows(10));
    Band& extra = report.addBand(BandType::Detail, 5);
    extra.addLabel({0, 0, 30, 5}, "extra");
    extra.setBeforePrint([](const Context& c) { return c.value("id").toInt() == 3; });

    const Document document = report.layout();
    const QStringList texts = textsOf(document.pages[0]);
    EXPECT_EQ(texts.count("extra"), 1);
    EXPECT_EQ(texts.indexOf("extra"), texts.indexOf("Nome 3") + 2);  // right after row 3's line
    EXPECT_EQ(besideLabel(document.pages[0], "Total de registro:"), "10");
}

TEST(ReportHooks, HiddenDetailRowsAreLeftOutOfCountsAndSums) {
    Report report;
    report.setData(numberedRows(10));
    report.addBand(BandType::Detail, 5)
        .setBeforePrint([](const Context& c) { return c.value("id").toInt() % 2 == 1; })
        .addField({0, 0, 30, 5}, "nome");
    addSummary(report);
    const Document document = report.layout();
    const QStringList texts = textsOf(document.pages[0]);
    EXPECT_TRUE(texts.contains("Nome 9"));
    EXPECT_FALSE(texts.contains("Nome 10"));
    EXPECT_EQ(besideLabel(document.pages[0], "Total de registro:"), "5");
    EXPECT_EQ(besideLabel(document.pages[0], "5"), "37,5");  // 1.5 * (1 + 3 + 5 + 7 + 9)
}

// ---- growing bands and memos

TEST(ReportGrowth, MemoRunsOverThePageAndTheRestOfItsBandFollows) {
    QStringList text;
    for (int i = 1; i <= 120; ++i)
        text << QStringLiteral("Linha %1").arg(i);
    Report report;
    report.setMargins(10);
    report.addBand(BandType::PageHeader, 10).addLabel({0, 0, 50, 5}, "Cabeçalho");
    Band& footer = report.addBand(BandType::PageFooter, 10);
    footer.addLabel({150, 2, 12, 5}, "Pag.:");
    footer.addSystem({163, 2, 15, 5}, SystemField::PageNumber);
    Band& body = report.addBand(BandType::Detail, 20).setGrows();
    body.addLabel({0, 0, 50, 5}, "Receituário");
    body.addMemo({0, 6, 150, 5}, text.join('\n'));
    body.addLabel({0, 13, 50, 5}, "Animal: 7 - Rex");

    const Document document = report.layout();
    ASSERT_GE(document.pageCount(), 2);
    EXPECT_EQ(linesOf(document, "Linha "), text);
    for (int i = 0; i < document.pageCount(); ++i) {
        const Page& page = document.pages[size_t(i)];
        EXPECT_NE(findText(page, "Cabeçalho"), nullptr);
        EXPECT_EQ(besideLabel(page, "Pag.:"), QString::number(i + 1));
        for (const Element& e : page.elements) {
            if (e.text.startsWith("Linha ")) {
                EXPECT_LE(e.rect.bottom(), mmToPt(277) + 0.01) << "memo runs into the footer on page " << i + 1;
            }
        }
    }
    // The continuation starts at the top of the next page's body.
    const Element* continued = nullptr;
    for (const Element& e : document.pages[1].elements) {
        if (e.text.startsWith("Linha "))
            continued = &e;
    }
    ASSERT_NE(continued, nullptr);
    EXPECT_NEAR(continued->rect.top(), mmToPt(20), 0.01);
    // What stood below the memo comes after its last line, on the last page, two millimetres below.
    const Page& last = document.pages.back();
    const Element* animal = findText(last, "Animal: 7 - Rex");
    ASSERT_NE(animal, nullptr);
    const Element* lastLines = nullptr;
    for (const Element& e : last.elements) {
        if (e.text.endsWith("Linha 120"))
            lastLines = &e;
    }
    ASSERT_NE(lastLines, nullptr);
    EXPECT_NEAR(animal->rect.top() - lastLines->rect.bottom(), mmToPt(2), 0.01);
}

TEST(ReportGrowth, WrappedTextKeepsItsWordsAndPushesItemsBelowDown) {
    const QString sentence =
        "Declaro que todas as informações prestadas acima são verdadeiras e autorizo a "
        "internação por 3 horas do animal identificado para que seja realizada a cirurgia";
    Report report;
    Band& band = report.addBand(BandType::Detail, 20).setGrows();
    band.addMemo({0, 0, 60, 5}, sentence);
    band.addLabel({0, 7, 60, 5}, "abaixo");
    band.addLabel({70, 0, 30, 5}, "ao lado");
    band.addShape({0, 18, 100, 1}, Shape::HorizontalLine);

    const Document document = report.layout();
    const Page& page = document.pages[0];
    const Element& memo = page.elements[0];
    ASSERT_GT(memo.lineCount(), 2);
    EXPECT_EQ(memo.text.split('\n').join(' '), sentence);
    const qreal growth = memo.rect.height() - mmToPt(5);
    EXPECT_NEAR(findText(page, "abaixo")->rect.top(), mmToPt(10 + 7) + growth, 0.01);
    EXPECT_NEAR(findText(page, "ao lado")->rect.top(), mmToPt(10), 0.01);  // beside, not below: stays
    EXPECT_NEAR(page.elements[3].rect.top(), mmToPt(10 + 18.5) + growth, 0.01);
}

TEST(ReportGrowth, BandThatDoesNotGrowShowsWhatFitsItsItem) {
    Report report;
    report.addBand(BandType::Detail, 10).addMemo({0, 0, 100, 9}, "um\ndois\ntrês\nquatro");
    const Document document = report.layout();
    EXPECT_EQ(document.pages[0].elements[0].text, "um\ndois");
}

TEST(ReportGrowth, TextSplitsAtThePageEndUnlessTheBandIsKeptTogether) {
    Report probe;
    probe.addBand(BandType::Detail, 5).addLabel({0, 0, 10, 5}, "L1");
    const qreal line = ptToMm(probe.layout().pages[0].elements[0].lineHeight);
    auto define = [line](Report& report, bool keep) {
        report.setMargins(10);
        report.addBand(BandType::PageFooter, 10);
        report.addBand(BandType::Title, 267 - 2.5 * line);  // leaves room for two and a half lines
        report.addBand(BandType::Detail, 5)
            .setGrows()
            .setKeepTogether(keep)
            .addMemo({0, 0, 100, 5}, "L1\nL2\nL3\nL4\nL5");
    };
    Report split;
    define(split, false);
    const Document a = split.layout();
    ASSERT_EQ(a.pageCount(), 2);
    EXPECT_EQ(textsOf(a.pages[0]), QStringList{"L1\nL2"});
    EXPECT_EQ(textsOf(a.pages[1]), QStringList{"L3\nL4\nL5"});

    Report kept;
    define(kept, true);
    const Document b = kept.layout();
    ASSERT_EQ(b.pageCount(), 2);
    EXPECT_TRUE(textsOf(b.pages[0]).isEmpty());
    EXPECT_EQ(textsOf(b.pages[1]), QStringList{"L1\nL2\nL3\nL4\nL5"});
}

TEST(ReportGrowth, RichTextGrowsItsBandAndExportsItsWords) {
    Report report;
    Band& band = report.addBand(BandType::Detail, 12).setGrows();
    QString html;
    for (int i = 1; i <= 6; ++i)
        html += QStringLiteral("<p>Parágrafo <b>%1</b> do termo</p>").arg(i);
    band.addRichText({0, 0, 150, 10}, html);
    band.addLabel({0, 11, 60, 5}, "Assinatura");

    const Document document = report.layout();
    const Page& page = document.pages[0];
    ASSERT_EQ(page.elements[0].kind, Element::Kind::Drawing);
    EXPECT_GT(page.elements[0].rect.height(), mmToPt(10));
    EXPECT_GE(findText(page, "Assinatura")->rect.top(), page.elements[0].rect.bottom());
    const QString text = exportText(document, Format::Csv);
    EXPECT_TRUE(text.startsWith("Parágrafo 1 do termo\r\nParágrafo 2 do termo\r\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Parágrafo 6 do termo\r\nAssinatura\r\n")) << text.toStdString();
}

// ---- items

TEST(ReportItems, ImagesKeepTheirProportionsUnlessStretched) {
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    Report report;
    report.setMargins(0);
    Band& band = report.addBand(BandType::Detail, 60);
    band.addImage({0, 0, 50, 50}, picture);
    band.addImage({60, 0, 50, 50}, picture).setStretch();
    const Document document = report.layout();
    const auto& elements = document.pages[0].elements;
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].kind, Element::Kind::Image);
    EXPECT_NEAR(elements[0].rect.width(), mmToPt(50), 0.01);
    EXPECT_NEAR(elements[0].rect.height(), mmToPt(25), 0.01);
    EXPECT_NEAR(elements[0].rect.top(), mmToPt(12.5), 0.01);  // centred in its box
    EXPECT_NEAR(elements[1].rect.height(), mmToPt(50), 0.01);
}

TEST(ReportItems, ChartIsMadeForItsRowAndPaintedIntoItsBox) {
    auto data = std::make_shared<TableData>(QStringList{"especie", "total"});
    data->addRow({"Canina", 30});
    data->addRow({"Felina", 12});
    Report report;
    report.setMargins(0);
    report.addBand(BandType::Summary, 80).addChart({0, 0, 100, 80}, [data](const Context&) {
        auto* series = new QPieSeries;
        for (int i = 0; i < data->rowCount(); ++i)
            series->append(data->value(i, "especie").toString(), data->value(i, "total").toDouble());
        auto* chart = new QChart;
        chart->setTitle("Quant. Animais Cadastrados por Espécie");
        chart->addSeries(series);
        return chart;
    });
    report.setData(data);
    const Document document = report.layout();
    const Element& chart = document.pages[0].elements.back();
    ASSERT_EQ(chart.kind, Element::Kind::Drawing);

    QImage image(QSize(300, 300), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(image.width() / chart.rect.width(), image.width() / chart.rect.width());
        paintPage(painter, document.pages[0]);
    }
    int inked = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 500);
    EXPECT_TRUE(exportText(document, Format::Text).contains("Quant. Animais Cadastrados por Espécie"));
}

// ---- values

TEST(ReportFormat, ValuesPrintWithTheSystemsDateAndDecimalFormats) {
    const QDateTime afternoon(QDate(2012, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(formatValue(QDate(2012, 3, 5)), "05/03/2012");
    EXPECT_EQ(formatValue(afternoon), "05/03/2012 14:07:09");
    EXPECT_EQ(formatValue(QDateTime(QDate(2012, 3, 5), QTime(0, 0))), "05/03/2012");
    EXPECT_EQ(formatValue(afternoon, "dd/MM/yyyy HH:mm"), "05/03/2012 14:07");
    EXPECT_EQ(formatValue(1234.5), "1234,5");
    EXPECT_EQ(formatValue(3.0), "3");
    EXPECT_EQ(formatValue(1234.5, "#,##0.00"), "1.234,50");
    EXPECT_EQ(formatValue(1234.5, "0.00"), "1234,50");
    EXPECT_EQ(formatValue(QStringLiteral("12.5"), "0.00"), "12,50");
    EXPECT_EQ(formatValue(57), "57");
    EXPECT_EQ(formatValue(QVariant()), "");
    EXPECT_EQ(formatValue(QStringLiteral("Sim")), "Sim");
}

TEST(ReportFormat, ReportFormatterAndFieldFormatApplyToFields) {
    auto data = std::make_shared<TableData>(QStringList{"quando", "peso"});
    data->addRow({QDateTime(QDate(2012, 3, 5), QTime(23, 59)), 4.25});
    Report report;
    report.setData(data);
    Band& band = report.addBand(BandType::Detail, 5);
    band.addField({0, 0, 40, 5}, "quando").setFormat("dd/MM/yyyy HH:mm");
    band.addField({50, 0, 40, 5}, "peso");
    band.addField({100, 0, 40, 5}, "ausente");
    EXPECT_EQ(textsOf(report.layout().pages[0]), (QStringList{"05/03/2012 23:59", "4,25", ""}));

    report.setFormatter([](const QVariant& value, const QString&) { return "<" + value.toString() + ">"; });
    EXPECT_EQ(textsOf(report.layout().pages[0])[1], "<4.25>");
}

TEST(ReportSums, RunningTotalsOfRowsGroupsAndPagesStayExactAndLinear) {
    auto data = std::make_shared<TableData>(QStringList{"grupo", "valor"});
    for (int i = 1; i <= 16000; ++i)
        data->addRow({(i - 1) / 4000, i * 0.5});
    Report report;
    report.setData(data);
    auto total = [](const char* field) {
        return [field](const Context& c) { return QString::number(c.sum(field), 'f', 1); };
    };
    Group& group = report.addGroup(QStringLiteral("grupo"));
    Band& footer = group.addFooter(5);
    footer.addLabel({0, 0, 20, 5}, "Grupo:");
    footer.addExpression({30, 0, 30, 5}, total("valor"));
    Band& detail = report.addBand(BandType::Detail, 5);
    detail.addExpression({0, 0, 30, 5}, total("VALOR"));  // the total of the rows before, by any case of the name
    report.addBand(BandType::PageFooter, 5).addExpression({0, 0, 30, 5}, total("valor"));

    QElapsedTimer timer;
    timer.start();
    const Document document = report.layout();
    EXPECT_LT(timer.elapsed(), 3000);  // once 5.7 s: every row summed all the rows before it
    QStringList texts;
    for (const Page& page : document.pages)
        texts += textsOf(page);
    // Rows 1..n sum to n(n+1)/4; each group of 4,000 rows and each page sum on their own.
    auto upTo = [](double n) { return QString::number(n * (n + 1) / 4, 'f', 1); };
    const QStringList first = textsOf(document.pages[0]), second = textsOf(document.pages[1]);
    const qsizetype rowsOnPage = first.size() - 1;
    EXPECT_EQ(first.value(0), "0.0");
    EXPECT_EQ(first.value(rowsOnPage - 1), upTo(rowsOnPage - 1.0));
    EXPECT_EQ(first.back(), upTo(double(rowsOnPage)));
    EXPECT_EQ(second.back(),
              QString::number(upTo(2.0 * rowsOnPage).toDouble() - upTo(double(rowsOnPage)).toDouble(), 'f', 1));
    EXPECT_TRUE(texts.contains(upTo(15999)));
    const qsizetype firstGroup = texts.indexOf("Grupo:");
    ASSERT_GE(firstGroup, 0);
    EXPECT_EQ(texts.value(firstGroup - 1), upTo(3999));
    EXPECT_EQ(texts.value(firstGroup + 1), upTo(4000));
    const qsizetype lastGroup = texts.lastIndexOf("Grupo:");
    EXPECT_EQ(texts.value(lastGroup + 1), QString::number((upTo(16000).toDouble() - upTo(12000).toDouble()), 'f', 1));
}

// ---- long documents

namespace {

// Everything a page shows, as text: kind, box, text, font, alignment, frame and what a figure draws.
QStringList dump(const Page& page) {
    QStringList out;
    for (const Element& e : page.elements) {
        QString line = QStringLiteral("%1 %2,%3 %4x%5 [%6] %7 %8 %9")
                           .arg(int(e.kind))
                           .arg(e.rect.x(), 0, 'f', 2)
                           .arg(e.rect.y(), 0, 'f', 2)
                           .arg(e.rect.width(), 0, 'f', 2)
                           .arg(e.rect.height(), 0, 'f', 2)
                           .arg(e.text, e.textFont().toString())
                           .arg(int(e.alignment))
                           .arg(int(e.frame.edges));
        if (e.figure) {
            line += QStringLiteral(" pen %1 fill %2").arg(e.figure->penWidth).arg(e.figure->fill.name());
            if (e.figure->drawing)
                for (const DrawingLine& l : e.figure->drawing->lines())
                    line += QLatin1Char(' ') + l.text;
        }
        out << line;
    }
    return out;
}

// Owners in groups of three per district, each with a long note and a few animals: groups with sums,
// sub-details, text split across pages, "Pag. n de N", a summary.
std::shared_ptr<Report> busyReport() {
    auto owners = std::make_shared<TableData>(QStringList{"distrito", "id", "nome", "nota", "valor"});
    for (int i = 1; i <= 90; ++i) {
        QStringList note;
        for (int k = 0; k < i % 7; ++k)
            note << QStringLiteral("Observação %1 do proprietário %2").arg(k + 1).arg(i);
        owners->addRow({i / 3, i, QStringLiteral("Proprietário %1").arg(i), note.join('\n'), i * 0.5});
    }
    auto report = std::make_shared<Report>();
    report->setData(owners);
    report->setMargins(10);
    Band& header = report->addBand(BandType::PageHeader, 10);
    header.addLabel({0, 0, 60, 5}, "Proprietários").setBold();
    header.addExpression({100, 0, 80, 5}, [](const Context& c) { return "Primeiro: " + c.text("nome"); });
    report->addBand(BandType::Title, 12).addLabel({0, 0, 100, 8}, "Relatório").setFontSize(14);
    Group& district = report->addGroup(QStringLiteral("distrito"));
    district.addHeader(7).addField({0, 1, 40, 5}, "distrito").setFrame(Qt::BottomEdge);
    Band& districtFooter = district.addFooter(6);
    districtFooter.addExpression({0, 0, 60, 5}, [](const Context& c) { return c.sum("valor"); });
    districtFooter.addShape({0, 5, 180, 0.5}, Shape::HorizontalLine);
    Band& detail = report->addBand(BandType::Detail, 12).setGrows();
    detail.addField({0, 0, 80, 5}, "nome");
    detail.addMemo({10, 6, 150, 5}, QString()).setOnPrint([](QString&) {});
    detail.addExpression({10, 6, 150, 5}, [](const Context& c) { return c.text("nota"); }).setWordWrap();
    SubDetail& animals = report->addSubDetail([](const Context& master) {
        auto rows = std::make_shared<TableData>(QStringList{"animal"});
        for (int k = 0; k < master.value("id").toInt() % 4; ++k)
            rows->addRow({QStringLiteral("Animal %1.%2").arg(master.value("id").toInt()).arg(k)});
        return rows;
    });
    animals.addDetail(5).addField({20, 0, 60, 5}, "animal");
    Band& footer = report->addBand(BandType::PageFooter, 8);
    footer.addExpression({100, 2, 40, 5}, [](const Context& c) { return "Soma: " + QString::number(c.sum("valor")); });
    footer.addSystem({150, 2, 12, 5}, SystemField::PageNumber);
    footer.addLabel({162, 2, 6, 5}, "de");
    footer.addSystem({168, 2, 12, 5}, SystemField::PageCount);
    report->addBand(BandType::Summary, 8).addExpression({0, 0, 80, 5}, [](const Context& c) {
        return "Total: " + QString::number(c.count());
    });
    return report;
}

}  // namespace

// A document too large to keep makes each page again when asked for: the same pages, in any order, as the
// document that keeps them, and the same text export.
TEST(ReportLongDocuments, PagesMadeAgainAreThePagesKept) {
    const auto report = busyReport();
    const Document kept = report->layout();
    ASSERT_FALSE(kept.pages.isMade());
    ASSERT_GE(kept.pageCount(), 4);
    report->setKeptItems(10);
    const Document made = report->layout();
    ASSERT_TRUE(made.pages.isMade());
    ASSERT_EQ(made.pageCount(), kept.pageCount());
    EXPECT_EQ(besideLabel(made.pages.back(), "de"), QString::number(kept.pageCount()));
    std::vector<size_t> order;
    for (size_t i = kept.pages.size(); i-- > 0;)
        order.push_back(i);
    order.push_back(2);
    order.push_back(0);
    for (size_t i : order)
        EXPECT_EQ(dump(made.pages[i]), dump(kept.pages[i])) << "page " << i + 1;
    EXPECT_EQ(exportText(made, Format::Text), exportText(kept, Format::Text));
    size_t walked = 0;
    made.pages.forEach([&](size_t i, const Page& page) {
        EXPECT_EQ(i, walked++);
        EXPECT_EQ(dump(page), dump(kept.pages[i]));
    });
    EXPECT_EQ(walked, kept.pages.size());

    // A report on the stack keeps its pages whatever their number: nothing could make them again.
    Report local;
    defineList(local);
    local.setData(numberedRows(200));
    local.setKeptItems(10);
    EXPECT_FALSE(local.layout().pages.isMade());
}

TEST(ReportLongDocuments, APackedTableGivesBackWhatItWasGiven) {
    const QVariantList values = {QVariant(),
                                 QVariant(QMetaType(QMetaType::QString)),
                                 QVariant(QMetaType(QMetaType::Int)),
                                 0,
                                 -1,
                                 2147483647,
                                 qint64(-5000000000),
                                 1.25,
                                 -0.0,
                                 true,
                                 false,
                                 QString(),
                                 QStringLiteral("Ação, \"aspas\" e 日本"),
                                 QString(300, QChar(u'é')),
                                 QDate(2026, 3, 10),
                                 QTime(23, 59, 58, 7),
                                 QDateTime(QDate(2024, 2, 29), QTime(9, 30)),
                                 QDateTime(QDate(1999, 12, 31), QTime(23, 0), Qt::UTC),
                                 QByteArray("\x00\x01", 2),
                                 QVariant(QStringList{"a", "b"})};
    TableData table(QStringList{"v"} + QStringList(int(values.size()) - 1, QString()));
    for (int r = 0; r < 3; ++r)
        table.addRow(values);
    table.addRow({7});  // missing values are null
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < values.size(); ++c) {
            const QVariant got = table.valueAt(r, c);
            EXPECT_EQ(got, values[c]) << "column " << c;
            EXPECT_EQ(got.isNull(), values[c].isNull()) << "column " << c;
            EXPECT_EQ(got.metaType(), values[c].metaType()) << "column " << c;
        }
    }
    EXPECT_EQ(table.valueAt(3, 0), 7);
    EXPECT_FALSE(table.valueAt(3, 5).isValid());
    EXPECT_FALSE(table.valueAt(4, 0).isValid());
    EXPECT_EQ(table.value(1, "V"), QVariant());  // by name, ignoring case
}
