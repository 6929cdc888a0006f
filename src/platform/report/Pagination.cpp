// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks placed down the pages: page breaks, blocks moved to the next page and text split at a page's end.
#include "platform/report/Pagination.h"

namespace report::detail {

void Paginator::beginPage() {
    ++cursor_.page;
    cursor_.y = frame_.top;
}

void Paginator::beginBody(qreal y) {
    cursor_.y = y;
    cursor_.fresh = true;
}

void Paginator::putHere(Block& block) {
    const qreal height = block.height;
    breaks_.put(block, cursor_.y);
    advance(height);
}

void Paginator::place(Block& block, bool keepTogether) {
    bool moved = false;
    for (;;) {
        const qreal room = frame_.bottom - cursor_.y;
        if (block.height <= room + kEps) {
            putHere(block);
            return;
        }
        // A new page helps unless this page is already one (the first may hold less, below the title).
        const bool movable = !cursor_.fresh || (!moved && room + kEps < freshRoom());
        const bool keepWhole = !block.splittable || (keepTogether && block.height <= freshRoom() + kEps);
        Block rest;
        if (keepWhole || !split(block, room, rest)) {
            if (movable) {
                breaks_.breakPage();
                moved = true;
                continue;
            }
            putHere(block);  // taller than a page and nothing to split: cut off at the page's end
            return;
        }
        breaks_.put(block, cursor_.y);
        breaks_.breakPage();
        moved = true;
        block = std::move(rest);
    }
}

bool Paginator::split(Block& block, qreal room, Block& rest) {
    // The cut is lowered to a line boundary of every text it crosses, until none is crossed mid-line.
    qreal cut = room;
    for (bool lowered = true; lowered;) {
        lowered = false;
        for (const auto& piece : block.pieces) {
            const Element& e = piece.element;
            if (e.kind != Element::Kind::Text || e.rect.top() >= cut - kEps || e.rect.bottom() <= cut + kEps)
                continue;
            const int fit = int((cut - e.rect.top() + kEps) / e.lineHeight);
            const qreal boundary = e.rect.top() + fit * e.lineHeight;
            if (boundary < cut - kEps) {
                cut = boundary;
                lowered = true;
            }
        }
    }
    if (cut <= kEps)
        return false;

    rest.clear();
    std::vector<Block::Piece> kept;
    qreal restBottom = 0;
    for (auto& piece : block.pieces) {
        Element& e = piece.element;
        if (e.rect.bottom() <= cut + kEps) {
            kept.push_back(std::move(piece));
            continue;
        }
        if (e.rect.top() >= cut - kEps) {
            e.rect.translate(0, -cut);
        } else if (e.kind == Element::Kind::Text) {
            const int fit = qRound((cut - e.rect.top()) / e.lineHeight);
            const qsizetype at = endOfLines(e.text, fit);
            Block::Piece head = piece;
            head.element.text = e.text.left(at);
            head.element.rect.setHeight(fit * e.lineHeight);
            kept.push_back(std::move(head));
            e.text.remove(0, at + 1);
            e.rect = QRectF(e.rect.left(), 0, e.rect.width(), e.lineCount() * e.lineHeight);
            piece.pageCount = nullptr;
        } else if (e.kind == Element::Kind::Rectangle || e.kind == Element::Kind::Line) {
            Block::Piece head = piece;
            head.element.rect.setBottom(cut);
            kept.push_back(std::move(head));
            e.rect = QRectF(e.rect.left(), 0, e.rect.width(), e.rect.bottom() - cut);
        } else {
            e.rect.moveTop(0);
        }
        restBottom = qMax(restBottom, e.rect.bottom());
        if (e.lineCount() > 1)
            rest.splittable = true;
        rest.pieces.push_back(std::move(piece));
    }
    rest.height = qMax(block.height - cut, restBottom);
    block.pieces = std::move(kept);
    block.height = cut;
    return true;
}

}  // namespace report::detail
