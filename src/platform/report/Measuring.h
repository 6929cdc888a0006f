// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the report engine: a band's elements for a row, each text measured against its width, wrapped
// and grown, and the band's height.

#include "platform/report/Block.h"
#include "platform/report/Drawings.h"
#include "platform/report/Report.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace report::detail {

// How wide the text of a band's item may print, in points: its own width or, when it has none, up to the
// nearest item that starts right of it on its line (its height overlapping the item's); never past the
// right margin, bodyWidth from the left one.
qreal textWidthOf(const Band& band, size_t index, qreal bodyWidth);

// The box a text prints in, in points, and how it takes more lines than one.
struct TextBox {
    qreal width = 0;
    qint64 bound = 0;  // TextMeasure::boundOf(width)
    qreal height = 0;
    bool wrap = false;   // breaks into lines within the width
    bool grows = false;  // its band grows to show every line
};

struct FittedText {
    qreal grownHeight = 0;    // the lines' height where the band grows past the box; 0 otherwise
    bool splittable = false;  // several lines that a page's end may part
};

// Fits a text of several lines, or one that may not fit, into its box (see fitText).
FittedText fitLines(QString& text, const TextMeasure& measure, const TextBox& box);

// Fits a text into its box: wrapped where the box wraps, broken at its own line breaks, cut to the lines a
// band that does not grow has room for, and no line wider than the width.
inline FittedText fitText(QString& text, const TextMeasure& measure, const TextBox& box) {
    // Most texts are one line well within their width, which one look at their characters tells.
    if (!box.wrap && measure.isSurelyWithin(text, box.bound))
        return {};
    return fitLines(text, measure, box);
}

// Items below a grown item move down by its growth; the block's height is its defined height grown by the
// largest move of an item's bottom.
void growItems(Block& block, qreal definedHeight);

// Makes the elements of a band for a row and measures them: texts cut to their widths, wrapped and grown,
// items moved below the ones that grew, and the band's height.
class BandMeasure {
public:
    BandMeasure(const Report& report, const QFont& defaultFont) : report_(report), defaultFont_(defaultFont) {}

    // Fonts, boxes and widths of every item of a band, once per layout; bodyWidth is the page's inside
    // the margins, in points.
    void plan(const Band& band, qreal bodyWidth);
    // Those the elements point to, shared with the documents.
    const std::vector<std::shared_ptr<const QFont>>& fonts() const { return fonts_; }
    // The band's fields are looked up again in the next data it prints (a new source may sit where the last
    // one was).
    void forgetColumns(const Band& band) { plans_.at(&band).columnsOf = nullptr; }
    // Once known, the number of pages prints where it is asked for.
    void setPageTotal(int pages) { pageTotal_ = pages; }

    // The band's elements for the context into the sink; false when its hook skips it. Into a block, the
    // block's height is the band's, grown.
    bool measure(const Band& band, const Context& context, ElementSink& sink);
    // The text of the number of pages into a page's element, within its width.
    void printPageCount(const Item& item, Element& element);

private:
    struct ItemPlan {
        const QFont* font;  // kept by the document
        const TextMeasure* measure;
        QRectF box;    // in points
        TextBox text;  // of its text
    };
    struct Plan {
        std::vector<ItemPlan> items;
        std::vector<int> columns;  // of each field item in the data below
        const DataSource* columnsOf = nullptr;
    };

    QFont fontOf(const Item& item) const;
    // The band's plan becomes the one in use, its fields looked up in the data.
    void usePlan(const Band& band, const DataSource* data);
    QString textOf(const Item& item, const Context& context, int column) const;
    QString pageCountText(const Item& item) const;
    // Each kind of item's element; false where it prints nothing. A text's element holds its text already.
    bool makeText(const Item& item, const ItemPlan& plan, Element& e, ElementSink& sink, bool& grew);
    static qreal makeRichText(const ItemPlan& plan, Element& e);  // the height it grows to, or 0
    static void makeShape(const Item& item, const QRectF& box, Element& e);
    static bool makeImage(const Item& item, const QRectF& box, Element& e);
    static bool makeChart(const Item& item, const QRectF& box, const Context& context, Element& e);

    const Report& report_;
    QFont defaultFont_;
    int pageTotal_ = 0;
    std::vector<std::shared_ptr<const QFont>> fonts_;
    MetricsCache metrics_;
    std::unordered_map<const Band*, Plan> plans_;  // its entries stay where they are
    const Band* plannedBand_ = nullptr;
    Plan* planned_ = nullptr;
    mutable std::unordered_map<const Item*, QString> nowTexts_;
};

}  // namespace report::detail
