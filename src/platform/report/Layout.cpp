// SPDX-License-Identifier: GPL-3.0-or-later
// The layout engine: walks the master rows, has the bands of each row measured and placed down the pages,
// and makes again the pages of a document that keeps none.

#include "platform/report/Measuring.h"
#include "platform/report/PageMaking.h"
#include "platform/report/Pagination.h"
#include "platform/report/Report.h"

#include <map>

namespace report {

namespace detail {

// Lays a report out: walks its master rows through the turns of groups, sub-details and the summary, has
// each band measured (BandMeasure), placed down the pages (Paginator) and made part of its page (PageMaker),
// and notes at each row's turn where it stood, from which the pages of a document that keeps none are made
// again.
class Engine : private PageBreaks {
public:
    Engine(const Report& report, Progress progress)
        : report_(report), progress_(std::move(progress)), measure_(report, report.defaultFont_), paginator_(*this) {}

    // The first layout: every page, kept while the document is small; `owner` (null for a report not owned
    // by a shared pointer) lets the document make its pages again instead.
    Document run(std::shared_ptr<const Report> owner);
    // After a run that kept no page: page `number` (1-based) made again, or every page in order.
    Page makePage(int number);
    void walkPages(const std::function<void(size_t index, const Page& page)>& each);

    int pageTotal() const { return pageTotal_; }
    bool keptNone() const { return keptNone_; }

    int pageNumber() const { return paginator_.pageNumber(); }
    const QDateTime& now() const { return now_; }
    const Report& report() const { return report_; }

    // The sum of a field over the master rows printed from `from` on, carried on from the last call with
    // the same start, so that a running total stays linear in the rows.
    double printedSum(size_t from, const QString& field) const;
    bool isPrinted(const std::vector<int>* scope, const DataSource* data) const {
        return scope == &printed_ && data == data_;
    }

private:
    struct Running {
        size_t upTo = 0;
        double total = 0;
    };
    // Where the layout stood at the start of a master row's turn (or of the end, row == rows): what it
    // needs to go on from there and make again the pages that begin in that turn.
    struct Checkpoint {
        int row = 0;
        Cursor cursor;
        size_t pageStart = 0;
        size_t printed = 0;  // master rows printed before
        std::vector<QVariant> keys;
        std::vector<size_t> groupStart;
    };

    bool prepare();
    void sortBands();
    Context makeContext(const DataSource* data, int row, const std::vector<int>* scope, size_t from,
                        const Context* master = nullptr) const;
    Context pageContext() const { return makeContext(data_, row_, &printed_, pageStart_); }

    // The band measured for the context and placed at the cursor; false when its hook skips it.
    bool print(const Band& band, const Context& context);
    // Page bands one below the other from y; where the last ends.
    qreal printPageBands(const std::vector<const Band*>& bands, const Context& context, qreal y);
    void put(Block& block, qreal y) override { pages_.put(block, y); }
    void breakPage() override;
    void startPage();
    void finishPage();

    void markTurn(int row);
    void walkFrom(const Checkpoint& from);
    void turn(int row);
    void finish();
    void printRow(int row);
    void printSubDetail(const SubDetail& sub, const Context& master);

    const Report& report_;
    Progress progress_;
    Document doc_;
    std::shared_ptr<const DataSource> dataOwner_;
    const DataSource* data_ = nullptr;
    int rows_ = 0;
    QDateTime now_;
    BandMeasure measure_;
    Paginator paginator_;
    PageMaker pages_;

    std::vector<const Band*> pageHeaders_, titles_, columnHeaders_, details_, summaries_, pageFooters_;

    int row_ = -1;                // master row being printed
    std::vector<int> printed_;    // master rows whose detail printed, in order
    size_t pageStart_ = 0;        // first of printed_ on the current page
    std::vector<QVariant> keys_;  // of the groups in force
    std::vector<size_t> groupStart_;
    Block block_;      // reused for every band of the rows
    Block pageBlock_;  // reused for page headers and footers, which print while a row's band is being placed
    mutable std::map<std::pair<size_t, QString>, Running> printedSums_;

    bool stop_ = false;                    // the page made alone is made
    Checkpoint turnStart_;                 // of the turn under way
    std::vector<Checkpoint> pageOrigins_;  // of each page, the turn in which it began
    std::vector<int> allPrinted_;          // printed_ at the end of the first layout
    int pageTotal_ = 0;                    // known once the first layout is over
    bool keptNone_ = false;                // the first layout left its pages to be made again
};

// ---- preparing

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

    const qreal bodyWidth = mmToPt(report_.bodyRectMm().width());
    auto plan = [&](const std::vector<std::unique_ptr<Band>>& bands) {
        for (const auto& band : bands)
            measure_.plan(*band, bodyWidth);
    };
    plan(report_.bands_);
    for (const auto& group : report_.groups_) {
        plan(group->headers_);
        plan(group->footers_);
    }
    for (const auto& sub : report_.subDetails_) {
        plan(sub->headers_);
        plan(sub->details_);
        plan(sub->footers_);
    }
    sortBands();
    return true;
}

// The report's own bands by type, and the page's frame that its page headers and footers leave.
void Engine::sortBands() {
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
    const qreal top = mmToPt(margins.top());
    paginator_.setFrame({top, top + headerHeight, doc_.pageSize.height() - mmToPt(margins.bottom()) - footerHeight});
    pages_.setLeft(mmToPt(margins.left()));
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

// ---- bands and pages

bool Engine::print(const Band& band, const Context& context) {
    // A band of its defined height that fits below the cursor goes straight onto the page, as most rows
    // of a list do; what may grow, split or move on is placed once made.
    const qreal height = mmToPt(band.height_);
    if (pages_.keeping() && !band.grows_ && paginator_.fits(height)) {
        ElementSink onPage = pages_.at(paginator_.y());
        if (!measure_.measure(band, context, onPage))
            return false;
        paginator_.advance(height);
        return true;
    }
    ElementSink into(block_);
    if (!measure_.measure(band, context, into))
        return false;
    paginator_.place(block_, band.keepTogether_);
    return true;
}

qreal Engine::printPageBands(const std::vector<const Band*>& bands, const Context& context, qreal y) {
    for (const Band* band : bands) {
        ElementSink into(pageBlock_);
        if (measure_.measure(*band, context, into)) {
            const qreal height = pageBlock_.height;
            pages_.put(pageBlock_, y);
            y += height;
        }
    }
    return y;
}

void Engine::startPage() {
    paginator_.beginPage();
    if (pageTotal_ == 0)
        pageOrigins_.push_back(turnStart_);
    // A page made again for itself alone keeps its elements; the ones before it only move the cursor.
    pages_.begin(paginator_.pageNumber());
    pageStart_ = printed_.size();
    const Context context = pageContext();
    qreal y = printPageBands(pageHeaders_, context, paginator_.y());
    if (paginator_.pageNumber() == 1)
        y = printPageBands(titles_, context, y);
    paginator_.beginBody(printPageBands(columnHeaders_, context, y));
}

void Engine::finishPage() {
    printPageBands(pageFooters_, pageContext(), paginator_.frame().bottom);
    if (pages_.finish())
        stop_ = true;
}

void Engine::breakPage() {
    finishPage();
    startPage();
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
            measure_.forgetColumns(*band);
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

// Notes where the layout stands as the turn of `row` begins, in place: a turn begins every row.
void Engine::markTurn(int row) {
    Checkpoint& t = turnStart_;
    t.row = row;
    t.cursor = paginator_.cursor();
    t.pageStart = pageStart_;
    t.printed = printed_.size();
    if (!keys_.empty()) {
        t.keys = keys_;
        t.groupStart = groupStart_;
    }
}

// Goes on from a checkpoint to the end, or until the page made alone is made.
void Engine::walkFrom(const Checkpoint& from) {
    paginator_.setCursor(from.cursor);
    pageStart_ = from.pageStart;
    if (allPrinted_.size() >= from.printed)
        printed_.assign(allPrinted_.begin(), allPrinted_.begin() + qsizetype(from.printed));
    keys_ = from.keys;
    groupStart_ = from.groupStart;
    printedSums_.clear();
    stop_ = false;
    pages_.resumeOn(from.cursor.page);
    turnStart_ = from;
    if (from.cursor.page == 0) {
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

// ---- documents

Document Engine::run(std::shared_ptr<const Report> owner) {
    if (!prepare())
        return std::move(doc_);
    const size_t levels = report_.groups_.size();
    keys_.assign(levels, QVariant());
    groupStart_.assign(levels, 0);
    printed_.reserve(size_t(rows_));

    // Pages are kept until they hold more items than the report's budget; a report owned by a shared
    // pointer then keeps none and makes them again when asked.
    if (owner)
        pages_.keepPages(doc_.pages.kept(), report_.keptItems_);
    else
        pages_.keepPages(doc_.pages.kept());
    walkFrom(Checkpoint{0, Cursor{}, 0, 0, keys_, groupStart_});
    pages_.makeNone();
    progress_ = {};
    pageTotal_ = paginator_.pageNumber();
    measure_.setPageTotal(pageTotal_);
    allPrinted_ = std::move(printed_);
    printed_.clear();

    doc_.fonts = measure_.fonts();
    keptNone_ = !pages_.keptAll();
    if (!keptNone_)
        pages_.fillPageCounts([this](const Item& item, Element& e) { measure_.printPageCount(item, e); });
    return std::move(doc_);
}

Page Engine::makePage(int number) {
    Page made;
    if (number < 1 || number > int(pageOrigins_.size()))
        return made;
    pages_.makeOnly(number, made);
    walkFrom(pageOrigins_[size_t(number - 1)]);
    pages_.makeNone();
    return made;
}

void Engine::walkPages(const std::function<void(size_t index, const Page& page)>& each) {
    pages_.handEach(each);
    walkFrom(pageOrigins_.front());
    pages_.makeNone();
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
