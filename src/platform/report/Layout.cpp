// SPDX-License-Identifier: GPL-3.0-or-later
// The layout engine: walks the master rows, prints the bands of each row and breaks them into pages.

#include "platform/report/Drawings.h"
#include "platform/report/Report.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace report {

namespace detail {

namespace {

constexpr qreal kEps = 0.01;  // points

// One pass over the text, most of whose characters are past the control ones.
bool hasLineBreak(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() <= u'\r' && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            return true;
    }
    return false;
}

QRectF toPoints(const QRectF& mm) {
    return QRectF(mmToPt(mm.x()), mmToPt(mm.y()), mmToPt(mm.width()), mmToPt(mm.height()));
}

// How wide the text of a band's item may print, in points: its own width or, when it has none, up to the
// nearest item that starts right of it on its line (its height overlapping the item's); never past the
// right margin, bodyWidth from the left one.
qreal textWidthOf(const Band& band, size_t index, qreal bodyWidth) {
    constexpr qreal eps = 1e-6;  // millimetres
    const QRectF box = band.items()[index]->geometry();
    qreal right = box.width() > 0 ? box.right() : ptToMm(bodyWidth);
    if (box.width() <= 0) {
        for (const auto& other : band.items()) {
            const QRectF next = other->geometry();
            if (next.left() > box.left() + eps && next.top() < box.bottom() - eps && box.top() < next.bottom() - eps)
                right = qMin(right, next.left());
        }
    }
    return qMax<qreal>(0, qMin(mmToPt(right), bodyWidth) - mmToPt(box.left()));
}

}  // namespace

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

class Engine {
public:
    Engine(const Report& report, Progress progress) : report_(report), progress_(std::move(progress)) {}

    // The first layout: every page, kept while the document is small; `owner` (null for a report not owned
    // by a shared pointer) lets the document make its pages again instead.
    Document run(std::shared_ptr<const Report> owner);
    // After a run that kept no page: page `number` (1-based) made again, or every page in order.
    Page makePage(int number);
    void walkPages(const std::function<void(size_t index, const Page& page)>& each);

    int pageTotal() const { return pageTotal_; }
    bool keptNone() const { return keptNone_; }

    int pageNumber() const { return pageNumber_; }
    const QDateTime& now() const { return now_; }
    const Report& report() const { return report_; }

    // The sum of a field over the master rows printed from `from` on, carried on from the last call with
    // the same start, so that a running total stays linear in the rows.
    double printedSum(size_t from, const QString& field) const;
    bool isPrinted(const std::vector<int>* scope, const DataSource* data) const {
        return scope == &printed_ && data == data_;
    }

private:
    struct Plan {                         // per band: what every item prints with
        std::vector<const QFont*> fonts;  // kept by the document
        std::vector<const TextMeasure*> measures;
        std::vector<QRectF> boxes;   // of each item, in points
        std::vector<qreal> widths;   // of the text of each item (textWidthOf)
        std::vector<qint64> bounds;  // TextMeasure::boundOf(width)
        std::vector<int> columns;    // of each field item in the data below
        const DataSource* columnsOf = nullptr;
    };
    struct Running {
        size_t upTo = 0;
        double total = 0;
    };
    struct PageCountSlot {
        int page;
        size_t element;
        const Item* item;
    };
    // Where the layout stood at the start of a master row's turn (or of the end, row == rows): what it
    // needs to go on from there and make again the pages that begin in that turn.
    struct Checkpoint {
        int row = 0;
        int pageNumber = 0;  // 0: before the first page
        qreal y = 0;
        bool pageFresh = true;
        size_t pageStart = 0;
        size_t printed = 0;  // master rows printed before
        std::vector<QVariant> keys;
        std::vector<size_t> groupStart;
    };

    bool prepare();
    void planBands(const std::vector<std::unique_ptr<Band>>& bands);
    QFont fontOf(const Item& item) const;
    Context makeContext(const DataSource* data, int row, const std::vector<int>* scope, size_t from,
                        const Context* master = nullptr) const;
    Context pageContext() const { return makeContext(data_, row_, &printed_, pageStart_); }

    // The band's elements for the context, into the block or, where `onto` is given, straight onto that
    // page where the cursor stands; false when its hook skips it.
    bool evaluate(const Band& band, const Context& context, Block& block, Page* onto = nullptr);
    void growItems(Block& block, qreal definedHeight);
    QString textOf(const Item& item, const Context& context, int column) const;
    void resolveColumns(Plan& plan, const Band& band, const DataSource* data) const;

    bool print(const Band& band, const Context& context);
    void place(Block& block, const Band& band);
    bool split(Block& block, qreal room, Block& rest);
    void put(Block& block, qreal y);
    void startPage();
    void finishPage();
    void newPage();
    qreal freshRoom() const { return bottom_ - freshTop_; }

    void markTurn(int row);
    void walkFrom(const Checkpoint& from);
    void turn(int row);
    void finish();
    void printRow(int row);
    void printSubDetail(const SubDetail& sub, const Context& master);

    const Report& report_;
    Progress progress_;
    Document doc_;
    std::vector<std::shared_ptr<const QFont>> fonts_;  // those the elements point to, shared with documents
    std::shared_ptr<const DataSource> dataOwner_;
    const DataSource* data_ = nullptr;
    int rows_ = 0;
    QDateTime now_;
    std::unordered_map<const Band*, Plan> plans_;  // its entries stay where they are
    const Band* plannedBand_ = nullptr;
    Plan* planned_ = nullptr;
    MetricsCache metrics_;

    std::vector<const Band*> pageHeaders_, titles_, columnHeaders_, details_, summaries_, pageFooters_;

    // page geometry, points
    qreal top_ = 0, left_ = 0, bottom_ = 0, footerTop_ = 0, freshTop_ = 0, bodyWidth_ = 0;
    // cursor
    int pageNumber_ = 0;
    qreal y_ = 0;
    bool pageFresh_ = true;  // nothing but page headers and title on the current page yet
    int row_ = -1;           // master row being printed

    std::vector<int> printed_;    // master rows whose detail printed, in order
    size_t pageStart_ = 0;        // first of printed_ on the current page
    std::vector<QVariant> keys_;  // of the groups in force
    std::vector<size_t> groupStart_;
    std::vector<PageCountSlot> pageCountSlots_;
    Block block_;      // reused for every band of the rows
    Block pageBlock_;  // reused for page headers and footers, which print while a row's band is being placed
    mutable std::map<std::pair<size_t, QString>, Running> printedSums_;
    mutable std::unordered_map<const Item*, QString> nowTexts_;

    // The pages: the one being laid out, whether it is wanted, and what happens to it once finished.
    Page page_;
    size_t lastPageSize_ = 0;  // elements of the page finished last
    bool keepingPage_ = true;
    std::function<void(Page& page)> pageDone_;
    int wanted_ = 0;                       // the one page made again; 0: every page
    bool stop_ = false;                    // the page wanted is made
    Checkpoint turnStart_;                 // of the turn under way
    std::vector<Checkpoint> pageOrigins_;  // of each page, the turn in which it began
    std::vector<int> allPrinted_;          // printed_ at the end of the first layout
    int pageTotal_ = 0;                    // known once the first layout is over
    bool keptNone_ = false;                // the first layout left its pages to be made again
};

// ---- planning

QFont Engine::fontOf(const Item& item) const {
    QFont font = item.font_ ? *item.font_ : report_.defaultFont_;
    if (item.fontSize_)
        font.setPointSizeF(*item.fontSize_);
    if (item.bold_)
        font.setBold(*item.bold_);
    if (item.italic_)
        font.setItalic(*item.italic_);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Engine::planBands(const std::vector<std::unique_ptr<Band>>& bands) {
    for (const auto& band : bands) {
        Plan& plan = plans_[band.get()];
        for (size_t i = 0; i < band->items_.size(); ++i) {
            fonts_.push_back(std::make_shared<const QFont>(fontOf(*band->items_[i])));
            plan.fonts.push_back(fonts_.back().get());
            plan.measures.push_back(&metrics_.measure(*plan.fonts.back()));
            plan.boxes.push_back(toPoints(band->items_[i]->geometry_));
            plan.widths.push_back(textWidthOf(*band, i, bodyWidth_));
            plan.bounds.push_back(TextMeasure::boundOf(plan.widths.back()));
        }
    }
}

Context Engine::makeContext(const DataSource* data, int row, const std::vector<int>* scope, size_t from,
                            const Context* master) const {
    Context context;
    context.engine_ = this;
    context.data_ = data;
    context.row_ = row;
    context.scopeRows_ = scope;
    context.scopeFrom_ = from;
    context.master_ = master;
    return context;
}

// ---- bands

void Engine::resolveColumns(Plan& plan, const Band& band, const DataSource* data) const {
    plan.columns.assign(band.items_.size(), -1);
    for (size_t i = 0; data && i < band.items_.size(); ++i) {
        if (band.items_[i]->kind_ == Item::Kind::Field)
            plan.columns[i] = data->columnOf(band.items_[i]->text_);
    }
    plan.columnsOf = data;
}

QString Engine::textOf(const Item& item, const Context& context, int column) const {
    switch (item.kind_) {
    case Item::Kind::Label: return item.text_;
    case Item::Kind::Field:
        if (column >= 0)
            return report_.format(context.row() >= 0 ? context.data()->valueAt(context.row(), column) : QVariant(),
                                  item.format_);
        return report_.format(context.value(item.text_), item.format_);
    case Item::Kind::Expression:
        return report_.format(item.expression_ ? item.expression_(context) : QVariant(), item.format_);
    case Item::Kind::System:
        switch (item.system_) {
        case SystemField::Date:
        case SystemField::Time:
        case SystemField::DateTime: {
            // The moment of the layout reads the same on every page: formatted once per item.
            QString& text = nowTexts_[&item];
            if (text.isNull()) {
                if (item.system_ == SystemField::Date)
                    text = report_.format(now_.date(), item.format_);
                else if (item.system_ == SystemField::Time)
                    text = report_.format(now_.time(), item.format_);
                else
                    text = report_.format(
                        now_, item.format_.isEmpty() ? QStringLiteral("dd/MM/yyyy HH:mm:ss") : item.format_);
                if (text.isNull())
                    text = QLatin1String("");
            }
            return text;
        }
        case SystemField::PageNumber: return QString::number(pageNumber_);
        case SystemField::PageCount: return {};
        case SystemField::RowNumber: return QString::number(context.row() + 1);
        case SystemField::ReportTitle: return report_.title_;
        }
        break;
    default: break;
    }
    return {};
}

bool Engine::evaluate(const Band& band, const Context& context, Block& block, Page* onto) {
    block.clear();
    if (band.beforePrint_ && !band.beforePrint_(context))
        return false;
    if (&band != plannedBand_) {  // most bands print many times in a row
        plannedBand_ = &band;
        planned_ = &plans_.at(&band);
    }
    Plan& plan = *planned_;
    if (plan.columnsOf != context.data() || plan.columns.size() != band.items_.size())
        resolveColumns(plan, band, context.data());
    const qreal definedHeight = mmToPt(band.height_);
    bool grew = false;
    for (size_t i = 0; i < band.items_.size(); ++i) {
        const Item& item = *band.items_[i];
        const QRectF& box = plan.boxes[i];
        // Made in place: a page holds thousands.
        Block::Piece* piece = onto ? nullptr : &block.pieces.emplace_back();
        Element& e = piece ? piece->element : onto->elements.emplace_back();
        auto drop = [&] {
            if (piece)
                block.pieces.pop_back();
            else
                onto->elements.pop_back();
        };
        if (piece) {
            piece->definedTop = box.top();
            piece->definedBottom = box.bottom();
        }
        e.rect = box;
        e.frame = item.frame_;
        switch (item.kind_) {
        case Item::Kind::Label:
        case Item::Kind::Field:
        case Item::Kind::Expression:
        case Item::Kind::System: {
            QString text = textOf(item, context, plan.columns[i]);
            const bool pageCount = item.kind_ == Item::Kind::System && item.system_ == SystemField::PageCount;
            if (pageCount && pageTotal_ > 0)  // a page made again: the number is known
                text = report_.format(pageTotal_, item.format_);
            if (pageCount && pageTotal_ == 0) {
                if (piece)
                    piece->pageCount = &item;
                else
                    pageCountSlots_.push_back({pageNumber_ - 1, onto->elements.size() - 1, &item});
            } else if (item.onPrint_)
                item.onPrint_(text);
            if (item.kind_ == Item::Kind::Label && text.isEmpty() && item.frame_.isEmpty()) {
                drop();
                continue;
            }
            const qreal width = plan.widths[i];
            e.rect.setWidth(width);
            if (item.rich_) {
                auto drawing = std::make_shared<RichTextDrawing>(text, *plan.fonts[i], width);
                if (band.grows_ && drawing->height() > box.height() + kEps) {
                    e.rect.setHeight(drawing->height());
                    grew = true;
                }
                e.kind = Element::Kind::Drawing;
                auto figure = std::make_shared<Element::Figure>();
                figure->drawing = std::move(drawing);
                e.figure = std::move(figure);
                break;
            }
            e.kind = Element::Kind::Text;
            e.font = plan.fonts[i];
            const TextMeasure& measure = *plan.measures[i];
            e.lineHeight = measure.lineHeight();
            e.alignment = item.alignment_;
            // Most texts are one line well within their width, which one look at their characters tells.
            bool breaks = false;
            if (item.wrap_ || !measure.isSurelyWithin(text, plan.bounds[i])) {
                int lines = 1;
                breaks = !item.wrap_ && hasLineBreak(text);
                if (item.wrap_)
                    text = wrapText(text, *e.font, width, &lines);
                else if (breaks)
                    text = wrapText(text, *e.font, 1e6, &lines);
                if (lines > 1) {
                    if (band.grows_) {
                        if (lines * e.lineHeight > box.height() + kEps) {
                            e.rect.setHeight(lines * e.lineHeight);
                            grew = true;
                        }
                    } else {
                        // A band that does not grow shows the lines its item has room for.
                        const int fit = qMax(1, int(box.height() / e.lineHeight + 0.5));
                        if (lines > fit) {
                            qsizetype at = -1;
                            for (int k = 0; k < fit; ++k)
                                at = text.indexOf(QLatin1Char('\n'), at + 1);
                            text.truncate(at);
                        }
                    }
                }
                // A text never prints past its width: what the page shows, the exports write.
                if (lines > 1)
                    measure.cutLines(text, width, plan.bounds[i]);
                else if (!measure.fits(text, width, plan.bounds[i]))
                    text = measure.cut(text, width, plan.bounds[i]);
            }
            e.text = std::move(text);
            if ((item.wrap_ || breaks) && e.lineCount() > 1)
                block.splittable = true;
            break;
        }
        case Item::Kind::Shape: {
            auto figure = std::make_shared<Element::Figure>();
            if (item.shape_ == Shape::HorizontalLine) {
                e.kind = Element::Kind::Line;
                e.rect = QRectF(box.left(), box.center().y(), box.width(), 0);
            } else if (item.shape_ == Shape::VerticalLine) {
                e.kind = Element::Kind::Line;
                e.rect = QRectF(box.center().x(), box.top(), 0, box.height());
            } else {
                e.kind = Element::Kind::Rectangle;
                figure->fill = item.fill_;
            }
            e.figure = std::move(figure);
            break;
        }
        case Item::Kind::Image: {
            if (item.image_.isNull()) {
                if (item.frame_.isEmpty()) {
                    drop();
                    continue;
                }
                e.kind = Element::Kind::Rectangle;
                auto figure = std::make_shared<Element::Figure>();
                figure->penWidth = 0;
                e.figure = std::move(figure);
                break;
            }
            e.kind = Element::Kind::Image;
            auto figure = std::make_shared<Element::Figure>();
            figure->image = item.image_;
            e.figure = std::move(figure);
            if (!item.stretch_) {
                const QSizeF fitted = QSizeF(item.image_.size()).scaled(box.size(), Qt::KeepAspectRatio);
                e.rect = QRectF(QPointF(box.center().x() - fitted.width() / 2, box.center().y() - fitted.height() / 2),
                                fitted);
            }
            break;
        }
        case Item::Kind::Chart: {
            QChart* chart = item.chart_ ? item.chart_(context) : nullptr;
            if (!chart) {
                drop();
                continue;
            }
            e.kind = Element::Kind::Drawing;
            auto figure = std::make_shared<Element::Figure>();
            figure->drawing = std::make_shared<ChartDrawing>(chart, box.size());
            e.figure = std::move(figure);
            break;
        }
        }
        if (onto)
            e.rect.translate(left_, y_);
    }
    block.height = definedHeight;
    if (grew)
        growItems(block, definedHeight);
    return true;
}

// Items below a grown item move down by its growth; the band grows by the largest move of an item's bottom.
void Engine::growItems(Block& block, qreal definedHeight) {
    auto& pieces = block.pieces;
    std::vector<size_t> order(pieces.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return pieces[a].definedTop < pieces[b].definedTop; });
    std::vector<qreal> growth(pieces.size()), shift(pieces.size(), 0.0);
    for (size_t i = 0; i < pieces.size(); ++i)
        growth[i] = pieces[i].element.rect.bottom() - pieces[i].definedBottom;
    qreal deepest = 0;
    for (size_t n = 0; n < order.size(); ++n) {
        const size_t i = order[n];
        for (size_t m = 0; m < n; ++m) {
            const size_t j = order[m];
            if (growth[j] > kEps && pieces[j].definedBottom <= pieces[i].definedTop + kEps)
                shift[i] = qMax(shift[i], shift[j] + growth[j]);
        }
        pieces[i].element.rect.translate(0, shift[i]);
        deepest = qMax(deepest, shift[i] + growth[i]);
    }
    block.height = definedHeight + deepest;
}

// ---- pages

void Engine::put(Block& block, qreal y) {
    if (!keepingPage_) {
        block.pieces.clear();
        return;
    }
    for (auto& piece : block.pieces) {
        piece.element.rect.translate(left_, y);
        if (piece.pageCount)
            pageCountSlots_.push_back({pageNumber_ - 1, page_.elements.size(), piece.pageCount});
        page_.elements.push_back(std::move(piece.element));
    }
    block.pieces.clear();
}

void Engine::startPage() {
    ++pageNumber_;
    if (pageTotal_ == 0)
        pageOrigins_.push_back(turnStart_);
    // A page made again for itself alone keeps its elements; the ones before it only move the cursor.
    keepingPage_ = pageDone_ && (wanted_ == 0 || pageNumber_ == wanted_);
    page_.elements.clear();
    if (keepingPage_)
        page_.elements.reserve(lastPageSize_);  // most pages hold as many elements as the one before
    y_ = top_;
    pageStart_ = printed_.size();
    const Context context = pageContext();
    auto printFixed = [&](const std::vector<const Band*>& bands) {
        for (const Band* band : bands) {
            if (evaluate(*band, context, pageBlock_)) {
                const qreal height = pageBlock_.height;
                put(pageBlock_, y_);
                y_ += height;
            }
        }
    };
    printFixed(pageHeaders_);
    if (pageNumber_ == 1)
        printFixed(titles_);
    printFixed(columnHeaders_);
    pageFresh_ = true;
}

void Engine::finishPage() {
    qreal y = footerTop_;
    const Context context = pageContext();
    for (const Band* band : pageFooters_) {
        if (evaluate(*band, context, pageBlock_)) {
            const qreal height = pageBlock_.height;
            put(pageBlock_, y);
            y += height;
        }
    }
    lastPageSize_ = page_.elements.size();
    if (keepingPage_ && pageDone_)
        pageDone_(page_);  // takes the page's elements
    if (wanted_ != 0 && pageNumber_ >= wanted_)
        stop_ = true;
}

void Engine::newPage() {
    finishPage();
    startPage();
}

bool Engine::print(const Band& band, const Context& context) {
    // A band of its defined height that fits below the cursor goes straight onto the page, as most rows
    // of a list do; what may grow, split or move on is placed once made.
    const qreal height = mmToPt(band.height_);
    if (keepingPage_ && !band.grows_ && height <= bottom_ - y_ + kEps) {
        if (!evaluate(band, context, block_, &page_))
            return false;
        y_ += height;
        pageFresh_ = false;
        return true;
    }
    if (!evaluate(band, context, block_))
        return false;
    place(block_, band);
    return true;
}

void Engine::place(Block& block, const Band& band) {
    bool moved = false;
    for (;;) {
        const qreal room = bottom_ - y_;
        if (block.height <= room + kEps) {
            const qreal height = block.height;
            put(block, y_);
            y_ += height;
            pageFresh_ = false;
            return;
        }
        // A new page helps unless this page is already one (the first may hold less, below the title).
        const bool movable = !pageFresh_ || (!moved && room + kEps < freshRoom());
        const bool keepWhole = !block.splittable || (band.keepTogether_ && block.height <= freshRoom() + kEps);
        Block rest;
        if (keepWhole || !split(block, room, rest)) {
            if (movable) {
                newPage();
                moved = true;
                continue;
            }
            // Taller than a page and nothing to split: printed as it is, cut off at the page's end.
            const qreal height = block.height;
            put(block, y_);
            y_ += height;
            pageFresh_ = false;
            return;
        }
        put(block, y_);
        newPage();
        moved = true;
        block = std::move(rest);
    }
}

// Cuts a block at a line boundary at or above `room`: the block keeps what lies above the cut, `rest` gets
// the remainder moved up to its top. False when no line fits above the cut.
bool Engine::split(Block& block, qreal room, Block& rest) {
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
            qsizetype at = -1;
            for (int k = 0; k < fit; ++k)
                at = e.text.indexOf(QLatin1Char('\n'), at + 1);
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

// ---- rows

void Engine::printRow(int row) {
    row_ = row;
    const Context context = makeContext(data_, row, &printed_, 0);
    bool printed = details_.empty();
    for (const Band* band : details_) {
        if (print(*band, context))
            printed = true;
    }
    if (!printed)
        return;
    printed_.push_back(row);
    for (const auto& sub : report_.subDetails_)
        printSubDetail(*sub, context);
}

void Engine::printSubDetail(const SubDetail& sub, const Context& master) {
    const std::shared_ptr<const DataSource> child = sub.prepare_ ? sub.prepare_(master) : nullptr;
    if (!child)
        return;
    const int rows = child->rowCount();
    if (rows == 0 && !sub.printIfEmpty_)
        return;
    // A new child source may sit where the last one was: its columns are looked up again.
    for (const auto* bands : {&sub.headers_, &sub.details_, &sub.footers_}) {
        for (const auto& band : *bands)
            plans_.at(band.get()).columnsOf = nullptr;
    }
    std::vector<int> printed;
    const Context outer = makeContext(child.get(), -1, &printed, 0, &master);
    for (const auto& band : sub.headers_)
        print(*band, outer);
    for (int row = 0; row < rows; ++row) {
        const Context context = makeContext(child.get(), row, &printed, 0, &master);
        bool any = sub.details_.empty();
        for (const auto& band : sub.details_) {
            if (print(*band, context))
                any = true;
        }
        if (any)
            printed.push_back(row);
    }
    const Context last = makeContext(child.get(), rows - 1, &printed, 0, &master);
    for (const auto& band : sub.footers_)
        print(*band, last);
}

// The page geometry, the bands by type and their plans; false when the report prints nothing.
bool Engine::prepare() {
    if (report_.beforeLayout_)
        report_.beforeLayout_();
    now_ = report_.now_.value_or(QDateTime::currentDateTime());
    dataOwner_ = report_.data_;  // pages made again read these rows, whatever the report reads later
    data_ = dataOwner_.get();
    rows_ = data_ ? data_->rowCount() : 1;

    const QSizeF page = report_.pageSizeMm();
    doc_.title = report_.title_;
    doc_.pageSize = QSizeF(mmToPt(page.width()), mmToPt(page.height()));
    if (data_ && rows_ == 0 && !report_.printIfEmpty_)
        return false;

    bodyWidth_ = mmToPt(report_.bodyRectMm().width());
    planBands(report_.bands_);
    for (const auto& group : report_.groups_) {
        planBands(group->headers_);
        planBands(group->footers_);
    }
    for (const auto& sub : report_.subDetails_) {
        planBands(sub->headers_);
        planBands(sub->details_);
        planBands(sub->footers_);
    }
    qreal footerHeight = 0, headerHeight = 0;
    for (const auto& band : report_.bands_) {
        switch (band->type_) {
        case BandType::PageHeader:
            pageHeaders_.push_back(band.get());
            headerHeight += mmToPt(band->height_);
            break;
        case BandType::Title: titles_.push_back(band.get()); break;
        case BandType::ColumnHeader:
            columnHeaders_.push_back(band.get());
            headerHeight += mmToPt(band->height_);
            break;
        case BandType::Detail: details_.push_back(band.get()); break;
        case BandType::Summary: summaries_.push_back(band.get()); break;
        case BandType::PageFooter:
            pageFooters_.push_back(band.get());
            footerHeight += mmToPt(band->height_);
            break;
        default: break;
        }
    }
    const QMarginsF margins = report_.margins_;
    top_ = mmToPt(margins.top());
    left_ = mmToPt(margins.left());
    footerTop_ = doc_.pageSize.height() - mmToPt(margins.bottom()) - footerHeight;
    bottom_ = footerTop_;
    freshTop_ = top_ + headerHeight;
    return true;
}

// Notes where the layout stands as the turn of `row` begins, in place: a turn begins every row.
void Engine::markTurn(int row) {
    Checkpoint& t = turnStart_;
    t.row = row;
    t.pageNumber = pageNumber_;
    t.y = y_;
    t.pageFresh = pageFresh_;
    t.pageStart = pageStart_;
    t.printed = printed_.size();
    if (!keys_.empty()) {
        t.keys = keys_;
        t.groupStart = groupStart_;
    }
}

// Goes on from a checkpoint to the end, or until the page wanted is made.
void Engine::walkFrom(const Checkpoint& from) {
    pageNumber_ = from.pageNumber;
    y_ = from.y;
    pageFresh_ = from.pageFresh;
    pageStart_ = from.pageStart;
    if (allPrinted_.size() >= from.printed)
        printed_.assign(allPrinted_.begin(), allPrinted_.begin() + qsizetype(from.printed));
    keys_ = from.keys;
    groupStart_ = from.groupStart;
    printedSums_.clear();
    stop_ = false;
    keepingPage_ = false;  // the page under way began before: it is not wanted
    turnStart_ = from;
    if (from.pageNumber == 0) {
        row_ = rows_ > 0 ? 0 : -1;  // the first page's header shows the first row
        startPage();
    }
    for (int row = from.row; row < rows_ && !stop_; ++row)
        turn(row);
    if (!stop_)
        finish();
}

// A master row: the footers of the groups it ends, the headers of those it begins, its detail.
void Engine::turn(int row) {
    markTurn(row);
    if (progress_)
        progress_(row, rows_);
    row_ = row;
    const size_t levels = report_.groups_.size();
    if (levels) {
        const Context context = makeContext(data_, row, &printed_, 0);
        std::vector<QVariant> nextKeys(levels);
        for (size_t level = 0; level < levels; ++level)
            nextKeys[level] = report_.groups_[level]->key_(context);
        size_t changed = 0;
        if (row > 0) {
            while (changed < levels && nextKeys[changed] == keys_[changed])
                ++changed;
        }
        for (size_t level = levels; level-- > changed;) {
            if (row == 0)
                break;
            const Context footer = makeContext(data_, row - 1, &printed_, groupStart_[level]);
            for (const auto& band : report_.groups_[level]->footers_)
                print(*band, footer);
        }
        for (size_t level = changed; level < levels; ++level) {
            keys_[level] = nextKeys[level];
            groupStart_[level] = printed_.size();
            const Context header = makeContext(data_, row, &printed_, groupStart_[level]);
            for (const auto& band : report_.groups_[level]->headers_)
                print(*band, header);
        }
    }
    printRow(row);
}

// After the last row: the last groups' footers, the summary and the last page's footer.
void Engine::finish() {
    markTurn(rows_);
    if (rows_ > 0 && data_) {
        for (size_t level = report_.groups_.size(); level-- > 0;) {
            const Context footer = makeContext(data_, rows_ - 1, &printed_, groupStart_[level]);
            for (const auto& band : report_.groups_[level]->footers_)
                print(*band, footer);
        }
    }
    const Context summary = makeContext(data_, rows_ - 1, &printed_, 0);
    for (const Band* band : summaries_)
        print(*band, summary);
    finishPage();
}

Document Engine::run(std::shared_ptr<const Report> owner) {
    if (!prepare())
        return std::move(doc_);
    const size_t levels = report_.groups_.size();
    keys_.assign(levels, QVariant());
    groupStart_.assign(levels, 0);
    printed_.reserve(size_t(rows_));

    // Pages are kept until they hold more items than the report's budget; a report owned by a shared
    // pointer then keeps none and makes them again when asked.
    std::vector<Page>& kept = doc_.pages.kept();
    qint64 items = 0;
    bool keeping = true;
    pageDone_ = [&](Page& page) {
        items += qint64(page.elements.size());
        if (owner && items > report_.keptItems_) {
            keeping = false;
            kept.clear();
            kept.shrink_to_fit();
            pageCountSlots_.clear();
            pageDone_ = nullptr;
            return;
        }
        kept.push_back(std::move(page));
    };
    walkFrom(Checkpoint{0, 0, 0, true, 0, 0, keys_, groupStart_});
    pageDone_ = nullptr;
    progress_ = {};
    pageTotal_ = pageNumber_;
    allPrinted_ = std::move(printed_);
    printed_.clear();

    doc_.fonts = fonts_;
    keptNone_ = !keeping;
    if (keeping) {
        for (const PageCountSlot& slot : pageCountSlots_) {
            QString text = report_.format(pageTotal_, slot.item->format_);
            if (slot.item->onPrint_)
                slot.item->onPrint_(text);
            Element& e = kept[size_t(slot.page)].elements[slot.element];
            metrics_.measure(e.textFont()).cutLines(text, e.rect.width(), TextMeasure::boundOf(e.rect.width()));
            e.text = std::move(text);
        }
        pageCountSlots_.clear();
    }
    return std::move(doc_);
}

Page Engine::makePage(int number) {
    Page made;
    if (number < 1 || number > int(pageOrigins_.size()))
        return made;
    wanted_ = number;
    pageDone_ = [&made](Page& page) { made = std::move(page); };
    walkFrom(pageOrigins_[size_t(number - 1)]);
    pageDone_ = nullptr;
    wanted_ = 0;
    return made;
}

void Engine::walkPages(const std::function<void(size_t index, const Page& page)>& each) {
    pageDone_ = [&](Page& page) { each(size_t(pageNumber_ - 1), page); };
    walkFrom(pageOrigins_.front());
    pageDone_ = nullptr;
}

namespace {

// The pages of a document that keeps none, made again by the engine that laid them out, which lives (with
// the report it reads) as long as the document.
class Remade : public PageSource {
    struct Busy {
        explicit Busy(bool& flag) : flag(flag) { flag = true; }
        ~Busy() { flag = false; }
        bool& flag;
    };

public:
    Remade(std::shared_ptr<const Report> report, std::unique_ptr<Engine> engine)
        : report_(std::move(report)), engine_(std::move(engine)) {}

    const Page& page(size_t index) const override {
        static const Page nothing;
        if (busy_)  // asked while every page is being made (a repaint meanwhile): nothing to show
            return nothing;
        if (index != lastIndex_) {
            const Busy busy(busy_);
            last_ = engine_->makePage(int(index) + 1);
            lastIndex_ = index;
        }
        return last_;
    }

    void walk(const std::function<void(size_t index, const Page& page)>& each) const override {
        if (busy_)
            return;
        const Busy busy(busy_);
        engine_->walkPages(each);
        lastIndex_ = size_t(-1);  // the engine's page under way is no more the one kept
    }

private:
    std::shared_ptr<const Report> report_;
    std::unique_ptr<Engine> engine_;
    mutable bool busy_ = false;
    mutable Page last_;
    mutable size_t lastIndex_ = size_t(-1);
};

}  // namespace

}  // namespace detail

// ---- Context

QVariant Context::value(const QString& field) const {
    return data_ && row_ >= 0 ? data_->value(row_, field) : QVariant();
}

QString Context::text(const QString& field) const { return engine_->report().format(value(field)); }

int Context::pageNumber() const { return engine_->pageNumber(); }

QDateTime Context::now() const { return engine_->now(); }

int Context::count() const { return scopeRows_ ? int(scopeRows_->size() - scopeFrom_) : 0; }

namespace {

double sumOf(const DataSource& data, const std::vector<int>& rows, size_t from, const QString& field, double total) {
    const int column = data.columnOf(field);
    for (size_t i = from; i < rows.size(); ++i)
        total += (column >= 0 ? data.valueAt(rows[i], column) : data.value(rows[i], field)).toDouble();
    return total;
}

}  // namespace

double detail::Engine::printedSum(size_t from, const QString& field) const {
    Running& running = printedSums_[{from, field}];
    if (running.upTo < from || running.upTo > printed_.size())
        running = Running{from, 0};
    running.total = sumOf(*data_, printed_, running.upTo, field, running.total);
    running.upTo = printed_.size();
    return running.total;
}

double Context::sum(const QString& field) const {
    if (!scopeRows_ || !data_)
        return 0;
    if (engine_ && engine_->isPrinted(scopeRows_, data_))
        return engine_->printedSum(scopeFrom_, field);
    return sumOf(*data_, *scopeRows_, scopeFrom_, field, 0);
}

Document Report::layout(const Progress& progress) const {
    std::shared_ptr<const Report> owner = weak_from_this().lock();
    auto engine = std::make_unique<detail::Engine>(*this, progress);
    Document document = engine->run(owner);
    if (engine->keptNone()) {
        const auto pages = size_t(engine->pageTotal());
        document.pages.makeWith(std::make_shared<detail::Remade>(std::move(owner), std::move(engine)), pages);
    }
    return document;
}

}  // namespace report
