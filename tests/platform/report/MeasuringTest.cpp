// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring on its own: a text against its box, items moved below the ones that grow, a band's elements.
#include "platform/report/Measuring.h"

#include <gtest/gtest.h>

using namespace report;
using namespace report::detail;

namespace {

const QString kSentence = QStringLiteral(
    "Declaro que todas as informações prestadas acima são verdadeiras e autorizo a internação do animal");

QFont reportFont() {
    QFont font(QStringLiteral("Arial"), 10);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Each line of a text is no wider than the width.
void expectWithin(const QString& text, const TextMeasure& measure, qreal width) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        EXPECT_LE(measure.width(line), width + 0.01) << line.toStdString();
}

Block::Piece pieceAt(qreal definedTop, qreal definedBottom, qreal grownBottom, qreal left = 0) {
    Block::Piece piece;
    piece.definedTop = definedTop;
    piece.definedBottom = definedBottom;
    piece.element.rect = QRectF(left, definedTop, 40, grownBottom - definedTop);
    return piece;
}

}  // namespace

TEST(ReportMeasuring, ATextKeepsToItsBoxAndTellsHowMuchItGrows) {
    const TextMeasure measure(reportFont());
    const qreal line = measure.lineHeight();
    struct Case {
        QString text;
        qreal width;
        qreal lines;  // the box's height, in lines
        bool wrap, grows;
        QString printed;
        int grownLines;  // 0: keeps the box's height
        bool splittable;
    };
    const std::vector<Case> cases = {
        {"Nome 1", 100, 1, false, false, "Nome 1", 0, false},
        {"Nome 1", 100, 1, true, true, "Nome 1", 0, false},
        // Its own line breaks, of either kind, make lines without wrapping.
        {"um\ndois\r\ntrês", 100, 1, false, true, "um\ndois\ntrês", 3, true},
        {"um\ndois\r\ntrês", 100, 3, false, true, "um\ndois\ntrês", 0, true},
        // A band that does not grow shows the lines its box has room for, the nearest whole number of them.
        {"um\ndois\ntrês\nquatro", 100, 2.4, true, false, "um\ndois", 0, true},
        {"um\ndois\ntrês\nquatro", 100, 2.6, true, false, "um\ndois\ntrês", 0, true},
        {"um\ndois", 100, 1, true, false, "um", 0, false},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        const FittedText fitted =
            fitText(text, measure, {c.width, TextMeasure::boundOf(c.width), c.lines * line, c.wrap, c.grows});
        EXPECT_EQ(text, c.printed) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(fitted.grownHeight, c.grownLines * line) << c.text.toStdString();
        EXPECT_EQ(fitted.splittable, c.splittable) << c.text.toStdString();
    }
}

TEST(ReportMeasuring, ALongTextIsWrappedOrCutToItsWidth) {
    const TextMeasure measure(reportFont());
    const qreal width = 120;
    const TextBox box{width, TextMeasure::boundOf(width), measure.lineHeight(), true, true};

    QString wrapped = kSentence;
    const FittedText grown = fitText(wrapped, measure, box);
    const int lines = int(wrapped.count('\n')) + 1;
    ASSERT_GT(lines, 2);
    EXPECT_EQ(wrapped.split('\n').join(' '), kSentence);  // every word kept, in order
    expectWithin(wrapped, measure, width);
    EXPECT_DOUBLE_EQ(grown.grownHeight, lines * measure.lineHeight());
    EXPECT_TRUE(grown.splittable);

    // Not wrapped: the longest beginning of whole characters that fits, without the blanks before the cut.
    QString cut = kSentence;
    TextBox oneLine = box;
    oneLine.wrap = false;
    const FittedText single = fitText(cut, measure, oneLine);
    EXPECT_TRUE(kSentence.startsWith(cut));
    EXPECT_FALSE(cut.endsWith(' '));
    expectWithin(cut, measure, width);
    qsizetype next = cut.size();
    while (kSentence[next] == ' ')
        ++next;
    EXPECT_GT(measure.width(kSentence.left(next + 1)), width);  // the next character would not fit
    EXPECT_DOUBLE_EQ(single.grownHeight, 0);
    EXPECT_FALSE(single.splittable);

    // A box tall enough for every line does not grow.
    QString roomy = kSentence;
    TextBox tall = box;
    tall.height = 20 * measure.lineHeight();
    EXPECT_DOUBLE_EQ(fitText(roomy, measure, tall).grownHeight, 0);
    EXPECT_EQ(roomy, wrapped);
}

TEST(ReportMeasuring, ItemsBelowAGrownItemMoveDownByItsGrowthAndTheBandByTheDeepest) {
    Block block;
    block.pieces.push_back(pieceAt(40, 45, 45));      // below the second grown item: moved by both
    block.pieces.push_back(pieceAt(0, 10, 30));       // grows by 20
    block.pieces.push_back(pieceAt(0, 10, 10, 60));   // beside it: stays
    block.pieces.push_back(pieceAt(12, 20, 20));      // below it
    block.pieces.push_back(pieceAt(22, 30, 35, 60));  // below it and grows by 5
    growItems(block, 50);
    const std::vector<qreal> tops = {65, 0, 0, 32, 42};
    for (size_t i = 0; i < tops.size(); ++i)
        EXPECT_DOUBLE_EQ(block.pieces[i].element.rect.top(), tops[i]) << "piece " << i;
    EXPECT_DOUBLE_EQ(block.pieces[4].element.rect.height(), 13);
    EXPECT_DOUBLE_EQ(block.height, 75);  // 50 and the 25 the last piece moved

    Block still;
    still.pieces.push_back(pieceAt(0, 10, 10));
    growItems(still, 50);
    EXPECT_DOUBLE_EQ(still.height, 50);
}

TEST(ReportMeasuring, ABandIsMeasuredIntoABlockOrStraightOntoAPageAtAPoint) {
    Report report;
    bool printing = true;
    Band& band = report.addBand(BandType::Detail, 12).setBeforePrint([&](const Context&) { return printing; });
    band.addLabel({0, 0, 40, 5}, "Nome");
    band.addLabel({50, 0, 20, 5}, "");  // empty and unframed: nothing
    band.addSystem({50, 6, 20, 5}, SystemField::PageCount);
    band.addShape({0, 11, 100, 1}, Shape::HorizontalLine);
    BandMeasure measure(report, reportFont());
    measure.plan(band, mmToPt(190));
    const Context context;

    Block block;
    ElementSink into(block);
    ASSERT_TRUE(measure.measure(band, context, into));
    ASSERT_EQ(block.pieces.size(), 3u);
    EXPECT_EQ(block.pieces[0].element.text, "Nome");
    EXPECT_EQ(block.pieces[0].element.rect, QRectF(0, 0, mmToPt(40), mmToPt(5)));
    EXPECT_EQ(block.pieces[1].pageCount, band.items()[2].get());
    EXPECT_EQ(block.pieces[2].element.kind, Element::Kind::Line);
    EXPECT_DOUBLE_EQ(block.height, mmToPt(12));
    EXPECT_FALSE(block.splittable);

    Page page;
    page.elements.resize(2);  // what the page held before
    std::vector<PageCountSlot> counts;
    ElementSink onto(page, QPointF(30, 100), counts, 4);
    ASSERT_TRUE(measure.measure(band, context, onto));
    ASSERT_EQ(page.elements.size(), 5u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(page.elements[2 + i].rect, block.pieces[i].element.rect.translated(30, 100)) << "element " << i;
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts[0].page, 4);
    EXPECT_EQ(counts[0].element, 3u);

    // Once the number of pages is known it prints at once; the hook still skips the band.
    measure.setPageTotal(12);
    ASSERT_TRUE(measure.measure(band, context, into));
    EXPECT_EQ(block.pieces[1].element.text, "12");
    EXPECT_EQ(block.pieces[1].pageCount, nullptr);
    Element slot;
    slot.rect = QRectF(0, 0, 100, 10);
    measure.printPageCount(*band.items()[2], slot);
    EXPECT_EQ(slot.text, "12");
    printing = false;
    EXPECT_FALSE(measure.measure(band, context, into));
    EXPECT_TRUE(block.pieces.empty());
}
