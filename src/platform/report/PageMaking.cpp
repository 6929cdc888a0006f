// SPDX-License-Identifier: GPL-3.0-or-later
// The elements of a page from the blocks placed on it, and where finished pages go.
#include "platform/report/PageMaking.h"

namespace report::detail {

void PageMaker::keepPages(std::vector<Page>& kept, qint64 budget) {
    goal_ = Goal::Keep;
    wanted_ = 0;
    kept_ = &kept;
    budget_ = budget;
    items_ = 0;
    keptAll_ = true;
}

void PageMaker::makeOnly(int number, Page& made) {
    goal_ = Goal::One;
    wanted_ = number;
    made_ = &made;
}

void PageMaker::handEach(std::function<void(size_t index, const Page& page)> each) {
    goal_ = Goal::Each;
    wanted_ = 0;
    each_ = std::move(each);
}

void PageMaker::makeNone() {
    goal_ = Goal::None;
    wanted_ = 0;
    made_ = nullptr;
    each_ = nullptr;
}

void PageMaker::begin(int number) {
    number_ = number;
    keeping_ = goal_ != Goal::None && (wanted_ == 0 || number == wanted_);
    page_.elements.clear();
    if (keeping_)
        page_.elements.reserve(lastSize_);  // most pages hold as many elements as the one before
}

void PageMaker::put(Block& block, qreal y) {
    if (!keeping_) {
        block.pieces.clear();
        return;
    }
    for (auto& piece : block.pieces) {
        piece.element.rect.translate(left_, y);
        if (piece.pageCount)
            pageCounts_.push_back({number_ - 1, page_.elements.size(), piece.pageCount});
        page_.elements.push_back(std::move(piece.element));
    }
    block.pieces.clear();
}

bool PageMaker::finish() {
    lastSize_ = page_.elements.size();
    if (keeping_) {
        switch (goal_) {
        case Goal::None: break;
        case Goal::Keep: keep(); break;
        case Goal::One: *made_ = std::move(page_); break;
        case Goal::Each: each_(size_t(number_ - 1), page_); break;
        }
    }
    return wanted_ != 0 && number_ >= wanted_;
}

void PageMaker::keep() {
    items_ += qint64(page_.elements.size());
    if (items_ > budget_) {
        keptAll_ = false;
        kept_->clear();
        kept_->shrink_to_fit();
        pageCounts_.clear();
        goal_ = Goal::None;
        return;
    }
    kept_->push_back(std::move(page_));
}

void PageMaker::fillPageCounts(const std::function<void(const Item& item, Element& element)>& fill) {
    for (const PageCountSlot& slot : pageCounts_)
        fill(*slot.item, (*kept_)[size_t(slot.page)].elements[slot.element]);
    pageCounts_.clear();
}

}  // namespace report::detail
