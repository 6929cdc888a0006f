#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QColor>

#include <memory>
#include <vector>

class QPainter;

namespace report {

constexpr qreal kPointsPerMm = 72.0 / 25.4;
inline constexpr qreal mmToPt(qreal mm) { return mm * kPointsPerMm; }
inline constexpr qreal ptToMm(qreal pt) { return pt / kPointsPerMm; }

// Lines drawn around an item's box.
struct Frame {
    Qt::Edges edges;
    qreal width = 0.5;  // points
    bool isEmpty() const { return edges == Qt::Edges(); }
};

// A line of text inside a drawing, for the text exports; y is measured from the drawing's top.
struct DrawingLine {
    qreal y = 0;
    qreal height = 0;
    QString text;
};

// Content that paints itself into a box: rich text, charts.
class Drawing {
public:
    virtual ~Drawing() = default;
    virtual void paint(QPainter& painter, const QRectF& box) const = 0;
    // Text the exports write for this drawing.
    virtual std::vector<DrawingLine> lines() const { return {}; }
};

// The font an element starts with: one shared instance, since a page holds thousands of elements.
inline const QFont& elementDefaultFont()
{
    static const QFont font;
    return font;
}

// One positioned thing on a laid-out page. Coordinates are points from the page's top-left corner.
struct Element {
    enum class Kind : quint8 { Text, Line, Rectangle, Image, Drawing };

    Kind kind = Kind::Text;
    QRectF rect;
    QString text;            // Text: the printed lines, separated by '\n'
    QFont font = elementDefaultFont();  // Text
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal lineHeight = 0;    // Text: distance between two lines
    Frame frame;             // drawn around rect (all kinds)
    qreal penWidth = 0.5;    // Line, Rectangle
    QColor fill;             // Rectangle: filled when valid
    QImage image;            // Image: drawn into rect
    std::shared_ptr<const report::Drawing> drawing;  // Drawing

    int lineCount() const { return kind == Kind::Text ? int(text.count(QLatin1Char('\n'))) + 1 : 0; }
};

struct Page {
    std::vector<Element> elements;
};

// The laid-out report: what the preview shows, the printer prints and the exports write.
struct Document {
    QString title;
    QSizeF pageSize;  // points; wider than tall in landscape
    std::vector<Page> pages;

    int pageCount() const { return int(pages.size()); }
    bool isLandscape() const { return pageSize.width() > pageSize.height(); }
};

}  // namespace report
