#include "platform/report/Drawings.h"

#include <QAbstractTextDocumentLayout>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace report::detail {

const QPaintDevice* measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(72.0 * kMeasureScale / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

const QFontMetricsF& MetricsCache::metrics(const QFont& font)
{
    for (const auto& entry : entries_) {
        if (entry.first == font)
            return entry.second;
    }
    entries_.emplace_back(font, QFontMetricsF(font, measureDevice()));
    return entries_.back().second;
}

QString wrapText(const QString& text, const QFont& font, qreal widthPt, int* lineCount)
{
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
    : document_(std::make_unique<QTextDocument>())
{
    document_->documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(measureDevice()));
    document_->setDefaultFont(font);
    document_->setDocumentMargin(0);
    document_->setHtml(html);
    document_->setTextWidth(widthPt * kMeasureScale);
}

RichTextDrawing::~RichTextDrawing() = default;

qreal RichTextDrawing::height() const
{
    return document_->size().height() / kMeasureScale;
}

void RichTextDrawing::paint(QPainter& painter, const QRectF& box) const
{
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

std::vector<DrawingLine> RichTextDrawing::lines() const
{
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
}

ChartDrawing::ChartDrawing(QChart* chart, const QSizeF& sizePt)
    : scene_(std::make_unique<QGraphicsScene>()), chart_(chart), size_(sizePt)
{
    chart_->setAnimationOptions(QChart::NoAnimation);
    scene_->addItem(chart_);
    chart_->setGeometry(QRectF(QPointF(0, 0), sizePt * kChartPixelsPerPoint));
    scene_->setSceneRect(chart_->geometry());
}

ChartDrawing::~ChartDrawing() = default;  // the scene deletes the chart

void ChartDrawing::paint(QPainter& painter, const QRectF& box) const
{
    scene_->render(&painter, box, scene_->sceneRect(), Qt::IgnoreAspectRatio);
}

std::vector<DrawingLine> ChartDrawing::lines() const
{
    if (chart_->title().isEmpty())
        return {};
    return {DrawingLine{0, 0, chart_->title()}};
}

}  // namespace report::detail
