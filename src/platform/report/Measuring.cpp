// SPDX-License-Identifier: GPL-3.0-or-later
// A band's elements for a row: the texts its items print, measured against their widths, and its height.
#include "platform/report/Measuring.h"

#include <algorithm>

namespace report::detail {

namespace {

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

}  // namespace

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

FittedText fitLines(QString& text, const TextMeasure& measure, const TextBox& box) {
    FittedText fitted;
    int lines = 1;
    const bool breaks = !box.wrap && hasLineBreak(text);
    if (box.wrap)
        text = wrapText(text, measure.font(), box.width, &lines);
    else if (breaks)
        text = wrapText(text, measure.font(), 1e6, &lines);
    const qreal lineHeight = measure.lineHeight();
    if (lines > 1) {
        if (box.grows) {
            if (lines * lineHeight > box.height + kEps)
                fitted.grownHeight = lines * lineHeight;
        } else {
            // A band that does not grow shows the lines its item has room for.
            const int fit = qMax(1, int(box.height / lineHeight + 0.5));
            if (lines > fit)
                text.truncate(endOfLines(text, fit));
        }
    }
    // A text never prints past its width: what the page shows, the exports write.
    if (lines > 1)
        measure.cutLines(text, box.width, box.bound);
    else if (!measure.fits(text, box.width, box.bound))
        text = measure.cut(text, box.width, box.bound);
    fitted.splittable = (box.wrap || breaks) && text.contains(QLatin1Char('\n'));
    return fitted;
}

void growItems(Block& block, qreal definedHeight) {
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

// ---- plans

QFont BandMeasure::fontOf(const Item& item) const {
    QFont font = item.font_ ? *item.font_ : defaultFont_;
    if (item.fontSize_)
        font.setPointSizeF(*item.fontSize_);
    if (item.bold_)
        font.setBold(*item.bold_);
    if (item.italic_)
        font.setItalic(*item.italic_);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void BandMeasure::plan(const Band& band, qreal bodyWidth) {
    Plan& plan = plans_[&band];
    for (size_t i = 0; i < band.items_.size(); ++i) {
        const Item& item = *band.items_[i];
        fonts_.push_back(std::make_shared<const QFont>(fontOf(item)));
        const QFont* font = fonts_.back().get();
        const QRectF box = toPoints(item.geometry_);
        const qreal width = textWidthOf(band, i, bodyWidth);
        plan.items.push_back({font, &metrics_.measure(*font), box,
                              TextBox{width, TextMeasure::boundOf(width), box.height(), item.wrap_, band.grows_}});
    }
}

void BandMeasure::usePlan(const Band& band, const DataSource* data) {
    if (&band != plannedBand_) {
        plannedBand_ = &band;
        planned_ = &plans_.at(&band);
    }
    Plan& plan = *planned_;
    if (plan.columnsOf != data || plan.columns.size() != band.items_.size()) {
        plan.columns.assign(band.items_.size(), -1);
        for (size_t i = 0; data && i < band.items_.size(); ++i) {
            if (band.items_[i]->kind_ == Item::Kind::Field)
                plan.columns[i] = data->columnOf(band.items_[i]->text_);
        }
        plan.columnsOf = data;
    }
}

// ---- texts

QString BandMeasure::textOf(const Item& item, const Context& context, int column) const {
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
                const QDateTime now = context.now();
                if (item.system_ == SystemField::Date)
                    text = report_.format(now.date(), item.format_);
                else if (item.system_ == SystemField::Time)
                    text = report_.format(now.time(), item.format_);
                else
                    text = report_.format(
                        now, item.format_.isEmpty() ? QStringLiteral("dd/MM/yyyy HH:mm:ss") : item.format_);
                if (text.isNull())
                    text = QLatin1String("");
            }
            return text;
        }
        case SystemField::PageNumber: return QString::number(context.pageNumber());
        case SystemField::PageCount: return {};
        case SystemField::RowNumber: return QString::number(context.row() + 1);
        case SystemField::ReportTitle: return report_.title();
        }
        break;
    default: break;
    }
    return {};
}

QString BandMeasure::pageCountText(const Item& item) const {
    QString text = report_.format(pageTotal_, item.format_);
    if (item.onPrint_)
        item.onPrint_(text);
    return text;
}

void BandMeasure::printPageCount(const Item& item, Element& element) {
    QString text = pageCountText(item);
    const qreal width = element.rect.width();
    metrics_.measure(element.textFont()).cutLines(text, width, TextMeasure::boundOf(width));
    element.text = std::move(text);
}

// ---- elements

bool BandMeasure::measure(const Band& band, const Context& context, ElementSink& sink) {
    sink.begin();
    if (band.beforePrint_ && !band.beforePrint_(context))
        return false;
    // Most bands print many times in a row, over the same data.
    if (&band != plannedBand_ || planned_->columnsOf != context.data() ||
        planned_->columns.size() != band.items_.size())
        usePlan(band, context.data());
    const Plan& plan = *planned_;
    bool grew = false;
    for (size_t i = 0; i < band.items_.size(); ++i) {
        const Item& item = *band.items_[i];
        const ItemPlan& itemPlan = plan.items[i];
        Element& e = sink.add(itemPlan.box);  // made in place: a page holds thousands
        e.rect = itemPlan.box;
        e.frame = item.frame_;
        bool prints = true;
        switch (item.kind_) {
        case Item::Kind::Label:
        case Item::Kind::Field:
        case Item::Kind::Expression:
        case Item::Kind::System:
            e.text = textOf(item, context, plan.columns[i]);
            prints = makeText(item, itemPlan, e, sink, grew);
            break;
        case Item::Kind::Shape: makeShape(item, itemPlan.box, e); break;
        case Item::Kind::Image: prints = makeImage(item, itemPlan.box, e); break;
        case Item::Kind::Chart: prints = makeChart(item, itemPlan.box, context, e); break;
        }
        if (prints)
            sink.done(e);
        else
            sink.drop();
    }
    if (Block* block = sink.block()) {
        const qreal definedHeight = mmToPt(band.height_);
        block->height = definedHeight;
        if (grew)
            growItems(*block, definedHeight);
    }
    return true;
}

// Most elements of a list are texts: made within measure()'s loop, not through a call.
Q_ALWAYS_INLINE bool BandMeasure::makeText(const Item& item, const ItemPlan& plan, Element& e, ElementSink& sink,
                                           bool& grew) {
    const bool pageCount = item.kind_ == Item::Kind::System && item.system_ == SystemField::PageCount;
    if (pageCount && pageTotal_ > 0)  // a page made again: the number is known
        e.text = pageCountText(item);
    else if (pageCount)
        sink.countsPages(&item);
    else if (item.onPrint_)
        item.onPrint_(e.text);
    if (item.kind_ == Item::Kind::Label && e.text.isEmpty() && item.frame_.isEmpty())
        return false;
    e.rect.setWidth(plan.text.width);
    qreal grownHeight = 0;
    if (item.rich_) {
        grownHeight = makeRichText(plan, e);
    } else {
        e.kind = Element::Kind::Text;
        e.font = plan.font;
        e.lineHeight = plan.measure->lineHeight();
        e.alignment = item.alignment_;
        const FittedText fitted = fitText(e.text, *plan.measure, plan.text);
        grownHeight = fitted.grownHeight;
        if (fitted.splittable)
            sink.markSplittable();
    }
    if (grownHeight > 0) {
        e.rect.setHeight(grownHeight);
        grew = true;
    }
    return true;
}

qreal BandMeasure::makeRichText(const ItemPlan& plan, Element& e) {
    auto drawing = std::make_shared<RichTextDrawing>(e.text, *plan.font, plan.text.width);
    const qreal height = drawing->height();
    e.text.clear();
    e.kind = Element::Kind::Drawing;
    auto figure = std::make_shared<Element::Figure>();
    figure->drawing = std::move(drawing);
    e.figure = std::move(figure);
    return plan.text.grows && height > plan.box.height() + kEps ? height : 0;
}

void BandMeasure::makeShape(const Item& item, const QRectF& box, Element& e) {
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
}

bool BandMeasure::makeImage(const Item& item, const QRectF& box, Element& e) {
    if (item.image_.isNull() && item.frame_.isEmpty())
        return false;
    auto figure = std::make_shared<Element::Figure>();
    if (item.image_.isNull()) {  // only the frame prints
        e.kind = Element::Kind::Rectangle;
        figure->penWidth = 0;
    } else {
        e.kind = Element::Kind::Image;
        figure->image = item.image_;
        if (!item.stretch_) {
            const QSizeF fitted = QSizeF(item.image_.size()).scaled(box.size(), Qt::KeepAspectRatio);
            e.rect =
                QRectF(QPointF(box.center().x() - fitted.width() / 2, box.center().y() - fitted.height() / 2), fitted);
        }
    }
    e.figure = std::move(figure);
    return true;
}

bool BandMeasure::makeChart(const Item& item, const QRectF& box, const Context& context, Element& e) {
    QChart* chart = item.chart_ ? item.chart_(context) : nullptr;
    if (!chart)
        return false;
    e.kind = Element::Kind::Drawing;
    auto figure = std::make_shared<Element::Figure>();
    figure->drawing = std::make_shared<ChartDrawing>(chart, box.size());
    e.figure = std::move(figure);
    return true;
}

}  // namespace report::detail
