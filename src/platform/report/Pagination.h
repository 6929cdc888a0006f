// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the report engine: measured blocks placed one below the other down the pages, split at a line
// where a page ends, and the page breaks.

#include "platform/report/Block.h"

namespace report::detail {

// Where the bands of a page may print, in points from the page's top-left corner.
struct PageFrame {
    qreal top = 0;       // of the page headers
    qreal freshTop = 0;  // of the body of a page without title: below its page and column headers
    qreal bottom = 0;    // of the page footers: the body ends there
};

// Where the next block goes.
struct Cursor {
    int page = 0;  // the number of the page under way; 0 before the first
    qreal y = 0;
    bool fresh = true;  // nothing but page headers and title on the page yet
};

// What the paginator asks of the pages it fills.
class PageBreaks {
public:
    virtual ~PageBreaks() = default;
    // The block onto the page under way with its top at y; the block is left empty.
    virtual void put(Block& block, qreal y) = 0;
    // Ends the page under way and begins the next, through Paginator::beginPage() and beginBody().
    virtual void breakPage() = 0;
};

class Paginator {
public:
    explicit Paginator(PageBreaks& breaks) : breaks_(breaks) {}

    void setFrame(const PageFrame& frame) { frame_ = frame; }
    const PageFrame& frame() const { return frame_; }
    // Where a layout stands, and where it goes on from when it is made again from there.
    const Cursor& cursor() const { return cursor_; }
    void setCursor(const Cursor& cursor) { cursor_ = cursor; }
    int pageNumber() const { return cursor_.page; }
    qreal y() const { return cursor_.y; }

    // The next page, whose headers print from its top; its body begins at y, below them.
    void beginPage();
    void beginBody(qreal y);

    // Whether a band of that height fits below the cursor, and the cursor past one put there.
    bool fits(qreal height) const { return height <= frame_.bottom - cursor_.y + kEps; }
    void advance(qreal height) {
        cursor_.y += height;
        cursor_.fresh = false;
    }

    // Puts the block at the cursor, moving it to the next page when it does not fit or, where it holds lines
    // and is not kept together, putting what fits and the rest on the next pages. A block taller than a
    // page that cannot be split prints as it is, cut off at the page's end.
    void place(Block& block, bool keepTogether);
    // Cuts a block at a line boundary at or above `room`: the block keeps what lies above the cut, `rest`
    // gets the remainder moved up to its top. False when no line fits above the cut.
    static bool split(Block& block, qreal room, Block& rest);

private:
    qreal freshRoom() const { return frame_.bottom - frame_.freshTop; }
    void putHere(Block& block);

    PageBreaks& breaks_;
    PageFrame frame_;
    Cursor cursor_;
};

}  // namespace report::detail
