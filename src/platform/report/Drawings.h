#pragma once

// Internal to the report engine: text measuring and the drawings it places on pages.

#include "platform/report/Document.h"

#include <QFont>
#include <QFontMetricsF>

#include <memory>
#include <vector>

class QChart;
class QGraphicsScene;
class QPaintDevice;
class QTextDocument;

namespace report::detail {

// Text is measured on an image of 720 dots per inch: ten device pixels to a point, so hinting and
// rounding stay far below what a printed page shows.
constexpr qreal kMeasureScale = 10.0;
const QPaintDevice* measureDevice();

// Metrics of the fonts a layout uses, made once per font.
class MetricsCache {
public:
    const QFontMetricsF& metrics(const QFont& font);
    qreal lineHeight(const QFont& font) { return metrics(font).lineSpacing() / kMeasureScale; }

private:
    std::vector<std::pair<QFont, QFontMetricsF>> entries_;
};

// Breaks text into lines no wider than widthPt; '\n' always breaks. Returns the lines joined by '\n'.
QString wrapText(const QString& text, const QFont& font, qreal widthPt, int* lineCount);

class RichTextDrawing : public Drawing {
public:
    RichTextDrawing(const QString& html, const QFont& font, qreal widthPt);
    ~RichTextDrawing() override;
    qreal height() const;  // points
    void paint(QPainter& painter, const QRectF& box) const override;
    std::vector<DrawingLine> lines() const override;

private:
    std::unique_ptr<QTextDocument> document_;
};

class ChartDrawing : public Drawing {
public:
    ChartDrawing(QChart* chart, const QSizeF& sizePt);  // takes the chart
    ~ChartDrawing() override;
    void paint(QPainter& painter, const QRectF& box) const override;
    std::vector<DrawingLine> lines() const override;

private:
    std::unique_ptr<QGraphicsScene> scene_;
    QChart* chart_;
    QSizeF size_;
};

}  // namespace report::detail
