// SPDX-License-Identifier: GPL-3.0-or-later
// A report's bands, their data rows and the counts and sums of each band's scope.
#include "platform/report/Report.h"

#include "platform/report/Format.h"
#include "platform/report/Jpeg.h"

#include <QChart>

namespace report {

// ---- Item

Item& Item::setFont(const QFont& font) {
    font_ = font;
    return *this;
}
Item& Item::setFontSize(qreal points) {
    fontSize_ = points;
    return *this;
}
Item& Item::setBold(bool bold) {
    bold_ = bold;
    return *this;
}
Item& Item::setItalic(bool italic) {
    italic_ = italic;
    return *this;
}
Item& Item::setAlignment(Qt::Alignment horizontal) {
    alignment_ = horizontal & Qt::AlignHorizontal_Mask;
    return *this;
}
Item& Item::setFrame(Qt::Edges edges, qreal widthPt) {
    frame_ = Frame{edges, widthPt};
    return *this;
}
Item& Item::setFormat(const QString& format) {
    format_ = format;
    return *this;
}
Item& Item::setWordWrap(bool wrap) {
    wrap_ = wrap;
    return *this;
}
Item& Item::setRichText(bool rich) {
    rich_ = rich;
    return *this;
}
Item& Item::setOnPrint(PrintHook hook) {
    onPrint_ = std::move(hook);
    return *this;
}
Item& Item::setFill(const QColor& color) {
    fill_ = color;
    return *this;
}
Item& Item::setStretch(bool stretch) {
    stretch_ = stretch;
    return *this;
}

// ---- Band

Band& Band::setHeight(qreal mm) {
    height_ = mm;
    return *this;
}
Band& Band::setGrows(bool grows) {
    grows_ = grows;
    return *this;
}
Band& Band::setKeepTogether(bool keep) {
    keepTogether_ = keep;
    return *this;
}
Band& Band::setBeforePrint(BandHook hook) {
    beforePrint_ = std::move(hook);
    return *this;
}

Item& Band::add(Item* item) {
    items_.emplace_back(item);
    return *item;
}

Item& Band::addLabel(const QRectF& mm, const QString& text) {
    Item& item = add(new Item(Item::Kind::Label, mm));
    item.text_ = text;
    return item;
}

Item& Band::addField(const QRectF& mm, const QString& field) {
    Item& item = add(new Item(Item::Kind::Field, mm));
    item.text_ = field;
    return item;
}

Item& Band::addSystem(const QRectF& mm, SystemField field) {
    Item& item = add(new Item(Item::Kind::System, mm));
    item.system_ = field;
    return item;
}

Item& Band::addExpression(const QRectF& mm, Expression expression) {
    Item& item = add(new Item(Item::Kind::Expression, mm));
    item.expression_ = std::move(expression);
    return item;
}

Item& Band::addMemo(const QRectF& mm, const QString& text) { return addLabel(mm, text).setWordWrap(); }

Item& Band::addRichText(const QRectF& mm, const QString& html) {
    return addLabel(mm, html).setRichText().setWordWrap();
}

Item& Band::addShape(const QRectF& mm, Shape shape) {
    Item& item = add(new Item(Item::Kind::Shape, mm));
    item.shape_ = shape;
    return item;
}

Item& Band::addImage(const QRectF& mm, const QImage& image) {
    Item& item = add(new Item(Item::Kind::Image, mm));
    item.image_ = image;
    return item;
}

Item& Band::addImage(const QRectF& mm, const QByteArray& jpeg) { return addImage(mm, decodeJpeg(jpeg)); }

Item& Band::addChart(const QRectF& mm, ChartFactory factory) {
    Item& item = add(new Item(Item::Kind::Chart, mm));
    item.chart_ = std::move(factory);
    return item;
}

// ---- Group, SubDetail

Band& Group::addHeader(qreal heightMm) {
    headers_.emplace_back(new Band(BandType::GroupHeader, heightMm));
    return *headers_.back();
}

Band& Group::addFooter(qreal heightMm) {
    footers_.emplace_back(new Band(BandType::GroupFooter, heightMm));
    return *footers_.back();
}

Band& SubDetail::addHeader(qreal heightMm) {
    headers_.emplace_back(new Band(BandType::SubDetailHeader, heightMm));
    return *headers_.back();
}

Band& SubDetail::addDetail(qreal heightMm) {
    details_.emplace_back(new Band(BandType::SubDetail, heightMm));
    return *details_.back();
}

Band& SubDetail::addFooter(qreal heightMm) {
    footers_.emplace_back(new Band(BandType::SubDetailFooter, heightMm));
    return *footers_.back();
}

SubDetail& SubDetail::setPrintIfEmpty(bool print) {
    printIfEmpty_ = print;
    return *this;
}

// ---- Report

Report::Report() : defaultFont_(QStringLiteral("Arial"), 10) {}

Report::~Report() = default;

QSizeF Report::pageSizeMm() const { return orientation_ == Orientation::Portrait ? paper_ : paper_.transposed(); }

QRectF Report::bodyRectMm() const { return QRectF(QPointF(0, 0), pageSizeMm()).marginsRemoved(margins_); }

QString Report::format(const QVariant& value, const QString& format) const {
    return formatter_ ? formatter_(value, format) : formatValue(value, format);
}

Band& Report::addBand(BandType type, qreal heightMm) {
    Q_ASSERT(type == BandType::Title || type == BandType::PageHeader || type == BandType::ColumnHeader ||
             type == BandType::Detail || type == BandType::Summary || type == BandType::PageFooter);
    bands_.emplace_back(new Band(type, heightMm));
    return *bands_.back();
}

Group& Report::addGroup(const QString& field) {
    return addGroup([field](const Context& context) { return context.value(field); });
}

Group& Report::addGroup(Expression key) {
    groups_.emplace_back(new Group(std::move(key)));
    return *groups_.back();
}

SubDetail& Report::addSubDetail(ChildData prepare) {
    subDetails_.emplace_back(new SubDetail(std::move(prepare)));
    return *subDetails_.back();
}

}  // namespace report
