// SPDX-License-Identifier: GPL-3.0-or-later
// Pages made of placed blocks: elements at their place on the page, the number of pages filled in, and
// where finished pages go (kept within a budget, made again alone, walked through).
#include "platform/report/PageMaking.h"
#include "platform/report/Report.h"

#include <gtest/gtest.h>

using namespace report;
using namespace report::detail;

namespace {

// A block of texts "a", "b"... one below the other, 10 points apart; the last prints the number of pages
// where `pageCount` is given.
Block textsBlock(int count, const Item* pageCount = nullptr) {
    Block block;
    for (int i = 0; i < count; ++i) {
        Block::Piece& piece = block.pieces.emplace_back();
        piece.element.text = QString(QChar('a' + i));
        piece.element.rect = QRectF(5, i * 10, 40, 10);
    }
    block.pieces.back().pageCount = pageCount;
    block.height = count * 10;
    return block;
}

// Makes pages 1..count of `perPage` elements each, as a layout walks them.
void walk(PageMaker& pages, int count, int perPage, int from = 1) {
    for (int number = from; number <= count; ++number) {
        pages.begin(number);
        Block block = textsBlock(perPage);
        pages.put(block, 100);
        EXPECT_TRUE(block.pieces.empty());
        if (pages.finish())
            return;
    }
}

}  // namespace

TEST(ReportPageMaking, BlocksTakeTheirPlaceOnThePageAndThePageCountIsFilledOnceKnown) {
    Report report;
    const Item& count = report.addBand(BandType::PageFooter, 5).addSystem({0, 0, 20, 5}, SystemField::PageCount);
    PageMaker pages;
    pages.setLeft(28);
    std::vector<Page> kept;
    pages.keepPages(kept);

    pages.begin(1);
    Block block = textsBlock(2, &count);
    pages.put(block, 50);
    EXPECT_FALSE(pages.finish());
    pages.begin(2);
    Block more = textsBlock(1);
    pages.put(more, 60);
    ElementSink onto = pages.at(200);  // a band put straight onto the page
    Element& straight = onto.add(QRectF(0, 0, 40, 10));
    straight.rect = QRectF(0, 0, 40, 10);
    straight.text = "z";
    onto.countsPages(&count);
    onto.done(straight);
    EXPECT_FALSE(pages.finish());

    ASSERT_EQ(kept.size(), 2u);
    ASSERT_EQ(kept[0].elements.size(), 2u);
    EXPECT_EQ(kept[0].elements[0].rect, QRectF(33, 50, 40, 10));
    EXPECT_EQ(kept[0].elements[1].rect, QRectF(33, 60, 40, 10));
    EXPECT_EQ(kept[1].elements[1].rect, QRectF(28, 200, 40, 10));

    std::vector<std::pair<const Item*, QString>> filled;
    pages.fillPageCounts([&](const Item& item, Element& e) {
        filled.emplace_back(&item, e.text);
        e.text = "2";
    });
    EXPECT_EQ(filled, (std::vector<std::pair<const Item*, QString>>{{&count, "b"}, {&count, "z"}}));
    EXPECT_EQ(kept[0].elements[1].text, "2");
    EXPECT_EQ(kept[1].elements[1].text, "2");
    EXPECT_EQ(kept[0].elements[0].text, "a");
    EXPECT_TRUE(pages.keptAll());
}

TEST(ReportPageMaking, PagesPastTheBudgetAreNeitherKeptNorMade) {
    Report report;
    const Item& count = report.addBand(BandType::PageFooter, 5).addSystem({0, 0, 20, 5}, SystemField::PageCount);
    PageMaker pages;
    std::vector<Page> kept;
    pages.keepPages(kept, 5);
    pages.begin(1);
    Block counted = textsBlock(3, &count);
    pages.put(counted, 0);
    pages.finish();
    EXPECT_EQ(kept.size(), 1u);
    walk(pages, 4, 3, 2);  // six elements in all: over the budget
    EXPECT_TRUE(kept.empty());
    EXPECT_FALSE(pages.keptAll());
    EXPECT_FALSE(pages.keeping());
    EXPECT_TRUE(pages.page().elements.empty());
    int fills = 0;
    pages.fillPageCounts([&](const Item&, Element&) { ++fills; });
    EXPECT_EQ(fills, 0);  // the slots went with the pages
}

TEST(ReportPageMaking, APageMadeAgainAloneStopsTheWalkAndEveryPageIsHandedInOrder) {
    PageMaker pages;
    Page made;
    pages.makeOnly(3, made);
    walk(pages, 5, 2);
    EXPECT_EQ(made.elements.size(), 2u);

    // A walk that goes on from page 1, begun before it, stops at page 2 however far the last walk went.
    Page second;
    pages.makeOnly(2, second);
    pages.resumeOn(1);
    EXPECT_FALSE(pages.keeping());
    Block before = textsBlock(4);
    pages.put(before, 0);  // the rest of page 1: not wanted
    EXPECT_TRUE(before.pieces.empty());
    EXPECT_FALSE(pages.finish());
    walk(pages, 5, 3, 2);
    EXPECT_EQ(second.elements.size(), 3u);

    std::vector<std::pair<size_t, size_t>> handed;
    pages.handEach([&](size_t index, const Page& page) { handed.emplace_back(index, page.elements.size()); });
    walk(pages, 3, 1);
    EXPECT_EQ(handed, (std::vector<std::pair<size_t, size_t>>{{0, 1}, {1, 1}, {2, 1}}));
    pages.makeNone();
    pages.begin(4);
    EXPECT_FALSE(pages.keeping());
}
