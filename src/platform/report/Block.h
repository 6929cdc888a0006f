// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the report engine: a band printed for one row, between its measuring and its place on a page.

#include "platform/report/Document.h"

#include <QPointF>

#include <vector>

namespace report {

class Item;

namespace detail {

constexpr qreal kEps = 0.01;  // points: closer than this is the same place

// Where the first `lines` lines of a text of lines joined by '\n' end: the index of the line break after them.
inline qsizetype endOfLines(const QString& text, int lines) {
    qsizetype at = -1;
    for (int k = 0; k < lines; ++k)
        at = text.indexOf(QLatin1Char('\n'), at + 1);
    return at;
}

// A band printed for one row, before it is put on a page: its elements relative to the band's top-left.
struct Block {
    struct Piece {
        // Made member by member: a defaulted constructor would clear the whole piece first, every time.
        Piece() {}
        Element element;
        qreal definedTop = 0;  // where the item was defined, before growing
        qreal definedBottom = 0;
        const Item* pageCount = nullptr;  // filled in once the number of pages is known
    };
    std::vector<Piece> pieces;
    qreal height = 0;
    bool splittable = false;  // holds text of several lines

    void clear() {
        pieces.clear();
        height = 0;
        splittable = false;
    }
};

// A page's element that prints the number of pages, filled in once the last page is laid out.
struct PageCountSlot {
    int page;  // 0-based
    size_t element;
    const Item* item;
};

// Where the elements of a band go as they are made: the pieces of a block, placed once the band's height is
// known, or straight onto a page at a point, for a band whose height cannot change and that fits there.
class ElementSink {
public:
    explicit ElementSink(Block& block) : block_(&block) {}
    ElementSink(Page& page, QPointF at, std::vector<PageCountSlot>& pageCounts, int pageIndex)
        : page_(&page), at_(at), pageCounts_(&pageCounts), pageIndex_(pageIndex) {}

    Block* block() const { return block_; }

    // A band begins: a block drops what it held.
    void begin() {
        if (block_)
            block_->clear();
    }

    // A new element for an item defined at `box`, in points from the band's top-left.
    Element& add(const QRectF& box) {
        if (!block_)
            return page_->elements.emplace_back();
        Block::Piece& piece = block_->pieces.emplace_back();
        piece.definedTop = box.top();
        piece.definedBottom = box.bottom();
        return piece.element;
    }
    // The element added last prints nothing.
    void drop() {
        if (block_)
            block_->pieces.pop_back();
        else
            page_->elements.pop_back();
    }
    // The element added last, complete: onto the page, it moves to its place there.
    void done(Element& element) const {
        if (page_)
            element.rect.translate(at_);
    }
    // The element added last prints the number of pages, not known yet.
    void countsPages(const Item* item) {
        if (block_)
            block_->pieces.back().pageCount = item;
        else
            pageCounts_->push_back({pageIndex_, page_->elements.size() - 1, item});
    }
    void markSplittable() {
        if (block_)
            block_->splittable = true;
    }

private:
    Block* block_ = nullptr;
    Page* page_ = nullptr;
    QPointF at_;
    std::vector<PageCountSlot>* pageCounts_ = nullptr;
    int pageIndex_ = 0;
};

}  // namespace detail

}  // namespace report
