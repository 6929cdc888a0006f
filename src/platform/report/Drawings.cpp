// SPDX-License-Identifier: GPL-3.0-or-later
// Text measuring and the drawings of a page: texts, lines, boxes and pictures, in points.
#include "platform/report/Drawings.h"

#include <QAbstractTextDocumentLayout>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace report::detail {

const QPaintDevice* measureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(72.0 * kMeasureScale / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

namespace {

constexpr qreal kBoundScale = 256;      // units of the bound per point
constexpr qint32 kUnbounded = 1 << 30;  // control characters: shaped, never bounded
constexpr qreal kKerningRoom = 0.01;    // share of a width left for fonts that kern apart

using Advances = std::array<qint32, 256>;

// The advances of the Latin-1 characters of a font: measuring them one by one costs more than laying out
// a long list, so they are measured once per font for the whole program.
std::shared_ptr<const Advances> advancesOf(const QFont& font, const QFontMetricsF& metrics) {
    static QMutex mutex;
    static std::vector<std::pair<QFont, std::shared_ptr<const Advances>>> known;
    const QMutexLocker lock(&mutex);
    for (const auto& entry : known) {
        if (entry.first == font)
            return entry.second;
    }
    auto advances = std::make_shared<Advances>();
    for (int c = 0; c < 256; ++c) {
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
        (*advances)[size_t(c)] =
            control ? kUnbounded : qint32(std::ceil(metrics.horizontalAdvance(QChar(c)) / kMeasureScale * kBoundScale));
    }
    known.emplace_back(font, advances);
    return advances;
}

}  // namespace

TextMeasure::TextMeasure(const QFont& font)
    : font_(font),
      metrics_(font, measureDevice()),
      lineHeight_(metrics_.lineSpacing() / kMeasureScale),
      advances_(*advancesOf(font, metrics_)) {}

qreal TextMeasure::width(QStringView text) const { return metrics_.horizontalAdvance(text.toString()) / kMeasureScale; }

qint64 TextMeasure::boundOf(qreal widthPt) {
    return widthPt > 0 ? qint64(widthPt * (1 - kKerningRoom) * kBoundScale) : -1;
}

qint64 TextMeasure::leadingBound(QStringView line, qint64 limit, qsizetype* count) const {
    qint64 sum = 0;
    qsizetype i = 0;
    for (; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c > 0xFF || sum + advances_[c] > limit)
            break;
        sum += advances_[c];
    }
    *count = i;
    return sum;
}

QString TextMeasure::cut(const QString& line, qreal widthPt, qint64 bound) const {
    // Whole characters end where graphemes do: after each character of a Latin-1 text.
    const bool latin1 = std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    std::vector<qsizetype> ends;
    if (!latin1) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
        for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
            ends.push_back(at);
    }
    const qsizetype count = latin1 ? line.size() : qsizetype(ends.size());
    const auto end = [&](qsizetype k) { return latin1 ? k + 1 : ends[size_t(k)]; };
    const auto fitsUpTo = [&](qsizetype k) { return width(QStringView(line).left(end(k))) <= widthPt; };
    // The ends that the bound holds surely fit; the whole line does not.
    qsizetype sure = 0;
    leadingBound(line, bound, &sure);
    qsizetype fitting = -1, over = count - 1;
    while (fitting + 1 < over && end(fitting + 1) <= sure)
        ++fitting;
    // The last end that fits is mostly one or two past them: steps that double until one does not fit,
    // then halving.
    for (qsizetype step = 1; fitting + step < over; step *= 2) {
        if (!fitsUpTo(fitting + step)) {
            over = fitting + step;
            break;
        }
        fitting += step;
    }
    while (fitting + 1 < over) {
        const qsizetype probe = (fitting + over) / 2;
        (fitsUpTo(probe) ? fitting : over) = probe;
    }
    QStringView kept = fitting < 0 ? QStringView() : QStringView(line).left(end(fitting));
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    return kept.toString();
}

void TextMeasure::cutLines(QString& text, qreal widthPt, qint64 bound) const {
    QStringList lines = text.split(QLatin1Char('\n'));
    bool cutAny = false;
    for (QString& line : lines) {
        if (!fits(line, widthPt, bound)) {
            line = cut(line, widthPt, bound);
            cutAny = true;
        }
    }
    if (cutAny)
        text = lines.join(QLatin1Char('\n'));
}

const TextMeasure& MetricsCache::measure(const QFont& font) {
    for (const TextMeasure& entry : entries_) {
        if (entry.font() == font)
            return entry;
    }
    return entries_.emplace_back(font);
}

QString wrapText(const QString& text, const QFont& font, qreal widthPt, int* lineCount) {
    QString source = text;
    source.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    source.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QString result;
    int count = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal width = widthPt * kMeasureScale;
    for (const QStringView paragraph : QStringView(source).split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            if (count++)
                result += QLatin1Char('\n');
            continue;
        }
        const QString paragraphText = paragraph.toString();
        QTextLayout layout(paragraphText, font, measureDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QStringView piece = QStringView(paragraphText).mid(line.textStart(), line.textLength());
            while (!piece.isEmpty() && piece.back().isSpace())
                piece.chop(1);
            if (count++)
                result += QLatin1Char('\n');
            result += piece;
        }
        layout.endLayout();
    }
    if (lineCount)
        *lineCount = qMax(count, 1);
    return result;
}

// ---- rich text

RichTextDrawing::RichTextDrawing(const QString& html, const QFont& font, qreal widthPt)
    : document_(std::make_unique<QTextDocument>()) {
    document_->documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(measureDevice()));
    document_->setDefaultFont(font);
    document_->setDocumentMargin(0);
    document_->setHtml(html);
    document_->setTextWidth(widthPt * kMeasureScale);
}

RichTextDrawing::~RichTextDrawing() = default;

qreal RichTextDrawing::height() const { return document_->size().height() / kMeasureScale; }

void RichTextDrawing::paint(QPainter& painter, const QRectF& box) const {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(1.0 / kMeasureScale, 1.0 / kMeasureScale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, box.width() * kMeasureScale, box.height() * kMeasureScale);
    painter.setClipRect(context.clip, Qt::IntersectClip);
    document_->documentLayout()->draw(&painter, context);
    painter.restore();
}

std::vector<DrawingLine> RichTextDrawing::lines() const {
    std::vector<DrawingLine> lines;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const QString text = block.text();
        const qreal top = document_->documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back({(top + line.y()) / kMeasureScale, line.height() / kMeasureScale,
                             text.mid(line.textStart(), line.textLength()).trimmed()});
        }
    }
    return lines;
}

// ---- chart

namespace {
// Charts are laid out as on a 96 dpi screen and scaled into their box.
constexpr qreal kChartPixelsPerPoint = 96.0 / 72.0;
}  // namespace

ChartDrawing::ChartDrawing(QChart* chart, const QSizeF& sizePt)
    : scene_(std::make_unique<QGraphicsScene>()), chart_(chart), size_(sizePt) {
    chart_->setAnimationOptions(QChart::NoAnimation);
    scene_->addItem(chart_);
    chart_->setGeometry(QRectF(QPointF(0, 0), sizePt * kChartPixelsPerPoint));
    scene_->setSceneRect(chart_->geometry());
}

ChartDrawing::~ChartDrawing() = default;  // the scene deletes the chart

void ChartDrawing::paint(QPainter& painter, const QRectF& box) const {
    scene_->render(&painter, box, scene_->sceneRect(), Qt::IgnoreAspectRatio);
}

std::vector<DrawingLine> ChartDrawing::lines() const {
    if (chart_->title().isEmpty())
        return {};
    return {DrawingLine{0, 0, chart_->title()}};
}

}  // namespace report::detail

namespace report {

qreal textWidth(const QString& line, const QFont& font) {
    return QFontMetricsF(font, detail::measureDevice()).horizontalAdvance(line) / detail::kMeasureScale;
}

}  // namespace report
