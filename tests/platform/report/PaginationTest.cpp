// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks of known heights placed down pages without fonts: page breaks, blocks moved on, text split at a line.
#include "platform/report/Pagination.h"

#include <gtest/gtest.h>

using namespace report;
using namespace report::detail;

namespace {

// A text of `lines` lines "L1".."Ln", `lineHeight` apart, from `top` of its block.
Element textElement(int lines, qreal lineHeight, qreal top = 0) {
    QStringList texts;
    for (int i = 1; i <= lines; ++i)
        texts << QStringLiteral("L%1").arg(i);
    Element e;
    e.text = texts.join(QLatin1Char('\n'));
    e.lineHeight = lineHeight;
    e.rect = QRectF(0, top, 50, lines * lineHeight);
    return e;
}

Element boxElement(qreal top, qreal height) {
    Element e;
    e.kind = Element::Kind::Rectangle;
    e.rect = QRectF(0, top, 50, height);
    return e;
}

Block blockOf(std::vector<Element> elements, qreal height) {
    Block block;
    for (Element& e : elements) {
        block.splittable = block.splittable || e.lineCount() > 1;
        block.pieces.emplace_back().element = std::move(e);
    }
    block.height = height;
    return block;
}

Block box(qreal height) { return blockOf({boxElement(0, height)}, height); }

// Pages of 100 points whose headers take their first 20, as a report's page turns make them; each keeps the
// top and text of what was put on it, in points from the page's top.
struct Pages : PageBreaks {
    struct Put {
        qreal top;
        QString text;
        bool operator==(const Put&) const = default;
    };
    Paginator paginator{*this};
    std::vector<std::vector<Put>> pages;

    explicit Pages(qreal firstBodyTop = 20) {
        paginator.setFrame({0, 20, 100});
        pages.emplace_back();
        paginator.beginPage();
        paginator.beginBody(firstBodyTop);
    }
    void put(Block& block, qreal y) override {
        for (const auto& piece : block.pieces)
            pages.back().push_back({y + piece.element.rect.top(), piece.element.text});
        block.pieces.clear();
    }
    void breakPage() override {
        pages.emplace_back();
        paginator.beginPage();
        paginator.beginBody(20);
    }
    void place(Block block, bool keepTogether = false) { paginator.place(block, keepTogether); }
};

}  // namespace

TEST(ReportPagination, BlocksGoOneBelowTheOtherAndOnTheNextPageBelowItsHeaders) {
    Pages pages;
    pages.place(box(30));
    pages.place(box(30 - 0.005));  // ends at the body's end, within the tolerance of a hundredth
    EXPECT_EQ(pages.pages.size(), 1u);
    pages.place(box(30));
    ASSERT_EQ(pages.pages.size(), 2u);
    EXPECT_EQ(pages.pages[0], (std::vector<Pages::Put>{{20, {}}, {50, {}}}));
    EXPECT_EQ(pages.pages[1], (std::vector<Pages::Put>{{20, {}}}));
    EXPECT_EQ(pages.paginator.cursor().page, 2);
    EXPECT_DOUBLE_EQ(pages.paginator.y(), 50);
    EXPECT_FALSE(pages.paginator.cursor().fresh);
}

TEST(ReportPagination, TextSplitsAtTheLastLineThatFitsUnlessKeptTogether) {
    // After a box of 35 a text of six lines of 10 finds room for 45: four lines stay, two go on.
    Pages split;
    split.place(box(35));
    split.place(blockOf({textElement(6, 10)}, 60));
    ASSERT_EQ(split.pages.size(), 2u);
    EXPECT_EQ(split.pages[0].back(), (Pages::Put{55, "L1\nL2\nL3\nL4"}));
    EXPECT_EQ(split.pages[1], (std::vector<Pages::Put>{{20, "L5\nL6"}}));
    EXPECT_DOUBLE_EQ(split.paginator.y(), 40);

    Pages kept;
    kept.place(box(35));
    kept.place(blockOf({textElement(6, 10)}, 60), true);
    ASSERT_EQ(kept.pages.size(), 2u);
    EXPECT_EQ(kept.pages[0].size(), 1u);
    EXPECT_EQ(kept.pages[1], (std::vector<Pages::Put>{{20, "L1\nL2\nL3\nL4\nL5\nL6"}}));

    // Kept together but taller than a page: split all the same, over three pages.
    Pages tall;
    tall.place(blockOf({textElement(20, 10)}, 200), true);
    ASSERT_EQ(tall.pages.size(), 3u);
    EXPECT_EQ(tall.pages[0][0].text.count('\n'), 7);
    EXPECT_EQ(tall.pages[2], (std::vector<Pages::Put>{{20, "L17\nL18\nL19\nL20"}}));
}

TEST(ReportPagination, WhatNoNewPageHelpsPrintsWhereItIsCutOffAtThePageEnd) {
    // Taller than a page and nothing to split: printed on the fresh page as it is, without an endless turn.
    Pages pages;
    pages.place(box(150));
    EXPECT_EQ(pages.pages.size(), 1u);
    EXPECT_DOUBLE_EQ(pages.paginator.y(), 170);
    pages.place(box(10));
    EXPECT_EQ(pages.pages.size(), 2u);

    // A fresh first page that holds less, below a title, still moves the block to the next page.
    Pages titled(60);
    titled.place(box(60));
    ASSERT_EQ(titled.pages.size(), 2u);
    EXPECT_TRUE(titled.pages[0].empty());
    EXPECT_EQ(titled.pages[1], (std::vector<Pages::Put>{{20, {}}}));
}

TEST(ReportPagination, SplitCutsEveryTextAtALineAndMovesTheRestUp) {
    // Lines of 10 from the top and lines of 12 from 4 meet at 40: a cut at 45 goes up to there.
    Block block = blockOf({textElement(6, 10), textElement(4, 12, 4), boxElement(0, 60), boxElement(50, 5)}, 60);
    Block rest;
    ASSERT_TRUE(Paginator::split(block, 45, rest));
    EXPECT_DOUBLE_EQ(block.height, 40);
    ASSERT_EQ(block.pieces.size(), 3u);
    EXPECT_EQ(block.pieces[0].element.text, "L1\nL2\nL3\nL4");
    EXPECT_DOUBLE_EQ(block.pieces[0].element.rect.height(), 40);
    EXPECT_EQ(block.pieces[1].element.text, "L1\nL2\nL3");
    EXPECT_EQ(block.pieces[2].element.rect, QRectF(0, 0, 50, 40));  // the frame cut with the lines

    ASSERT_EQ(rest.pieces.size(), 4u);
    EXPECT_EQ(rest.pieces[0].element.text, "L5\nL6");
    EXPECT_EQ(rest.pieces[0].element.rect, QRectF(0, 0, 50, 20));
    EXPECT_EQ(rest.pieces[1].element.text, "L4");
    EXPECT_EQ(rest.pieces[2].element.rect, QRectF(0, 0, 50, 20));
    EXPECT_EQ(rest.pieces[3].element.rect, QRectF(0, 10, 50, 5));  // below the cut: moved up
    EXPECT_DOUBLE_EQ(rest.height, 20);
    EXPECT_TRUE(rest.splittable);

    // No whole line above the cut, or texts whose lines never meet: nothing to split.
    Block narrow = blockOf({textElement(3, 10)}, 30);
    EXPECT_FALSE(Paginator::split(narrow, 9, rest));
    Block apart = blockOf({textElement(6, 10), textElement(4, 12, 5)}, 60);
    EXPECT_FALSE(Paginator::split(apart, 45, rest));
}
