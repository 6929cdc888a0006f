// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the report engine: the pages made of placed blocks, and where each finished page goes.

#include "platform/report/Block.h"

#include <functional>
#include <limits>
#include <vector>

namespace report::detail {

// Turns the blocks placed on the page under way into its elements, in points from the page's top-left, and
// hands the page, once finished, where it goes: kept in a document, made again alone, or walked through.
// A page that goes nowhere gets no elements: the layout only moves over it.
class PageMaker {
public:
    void setLeft(qreal left) { left_ = left; }  // the left margin, where the blocks' left edge goes

    // Finished pages are kept in `kept` while they hold no more than `budget` elements in all; past it the
    // kept ones are dropped and no more are made.
    void keepPages(std::vector<Page>& kept, qint64 budget = std::numeric_limits<qint64>::max());
    bool keptAll() const { return keptAll_; }
    // Only page `number` is made, into `made`.
    void makeOnly(int number, Page& made);
    // Every page is made and handed to `each`, in order.
    void handEach(std::function<void(size_t index, const Page& page)> each);
    // No page is made.
    void makeNone();

    // Page `number` begins.
    void begin(int number);
    // A walk goes on from a page begun before it, page `number` (0: none yet): that page is not wanted.
    void resumeOn(int number) {
        number_ = number;
        keeping_ = false;
    }
    bool keeping() const { return keeping_; }
    const Page& page() const { return page_; }
    // The block onto the page under way with its top at y; the block is left empty.
    void put(Block& block, qreal y);
    // Where a band whose height cannot change goes straight onto the page under way, its top at y.
    ElementSink at(qreal y) { return ElementSink(page_, QPointF(left_, y), pageCounts_, number_ - 1); }
    // Hands the page under way where it goes; true once the page made alone is made.
    bool finish();

    // The pages kept print the number of pages in the elements that ask for it, written by `fill`.
    void fillPageCounts(const std::function<void(const Item& item, Element& element)>& fill);

private:
    enum class Goal { None, Keep, One, Each };
    void keep();

    qreal left_ = 0;
    Page page_;
    int number_ = 0;
    size_t lastSize_ = 0;  // elements of the page finished last
    bool keeping_ = false;
    std::vector<PageCountSlot> pageCounts_;

    Goal goal_ = Goal::None;
    int wanted_ = 0;  // the one page made; 0: every page
    std::vector<Page>* kept_ = nullptr;
    qint64 budget_ = 0;
    qint64 items_ = 0;
    bool keptAll_ = true;
    Page* made_ = nullptr;
    std::function<void(size_t index, const Page& page)> each_;
};

}  // namespace report::detail
