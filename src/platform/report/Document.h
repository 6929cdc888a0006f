// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace report {

// Long work tells how far it has gone, `done` of `total` steps (master rows laid out, pages written); an
// exception the call throws stops the work, and whatever it was writing keeps its earlier content.
using Progress = std::function<void(qint64 done, qint64 total)>;

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

// The font of a text element without one of its own.
inline const QFont& elementDefaultFont() {
    static const QFont font;
    return font;
}

// How wide a line of text prints in a font, in points, as the layout measures it to keep every text
// within its width.
qreal textWidth(const QString& line, const QFont& font);

// One positioned thing on a laid-out page. Coordinates are points from the page's top-left corner.
struct Element {
    enum class Kind : quint8 { Text, Line, Rectangle, Image, Drawing };

    // What lines, rectangles, images and drawings carry besides their box. Text elements, most of a
    // document, carry none, which keeps them small.
    struct Figure {
        qreal penWidth = 0.5;                            // Line, Rectangle
        QColor fill;                                     // Rectangle: filled when valid
        QImage image;                                    // Image: drawn into rect
        std::shared_ptr<const report::Drawing> drawing;  // Drawing
    };

    Element() {}  // member by member: a page holds thousands, made in place

    QRectF rect;
    QString text;  // Text: the printed lines, separated by '\n'
    // Text: one of the document's fonts (a page holds thousands of elements); null for the default
    const QFont* font = nullptr;
    qreal lineHeight = 0;                  // Text: distance between two lines
    Frame frame;                           // drawn around rect (all kinds)
    std::shared_ptr<const Figure> figure;  // Line, Rectangle, Image, Drawing
    Qt::Alignment alignment = Qt::AlignLeft;
    Kind kind = Kind::Text;

    const QFont& textFont() const { return font ? *font : elementDefaultFont(); }
    int lineCount() const { return kind == Kind::Text ? int(text.count(QLatin1Char('\n'))) + 1 : 0; }
};

struct Page {
    std::vector<Element> elements;
};

// Makes the pages of a document that does not keep them.
class PageSource {
public:
    virtual ~PageSource() = default;
    // The page made last stays until the next is asked for.
    virtual const Page& page(size_t index) const = 0;
    // Every page in order, each made once.
    virtual void walk(const std::function<void(size_t index, const Page& page)>& each) const = 0;
};

// The pages of a laid-out report. A document of up to some thousands of pages keeps them; a larger one keeps
// none and makes a page again whenever it is asked for (its report lives as long as the document), so that
// it takes the memory of a page or two whatever its length: such a page stays only until another is asked
// for (copy it to keep it).
class PageList {
public:
    size_t size() const { return source_ ? count_ : kept_.size(); }
    bool empty() const { return size() == 0; }
    const Page& operator[](size_t index) const { return source_ ? source_->page(index) : kept_[index]; }
    const Page& front() const { return (*this)[0]; }
    const Page& back() const { return (*this)[size() - 1]; }
    // Every page in order, each made once: how the printer and the exports go through a document.
    void forEach(const std::function<void(size_t index, const Page& page)>& each) const;

    class Iterator {
    public:
        Iterator(const PageList* list, size_t index) : list_(list), index_(index) {}
        const Page& operator*() const { return (*list_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index_ != other.index_; }

    private:
        const PageList* list_;
        size_t index_;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    // The layout's side.
    std::vector<Page>& kept() { return kept_; }
    void makeWith(std::shared_ptr<const PageSource> source, size_t count) {
        kept_.clear();
        source_ = std::move(source);
        count_ = count;
    }
    bool isMade() const { return source_ != nullptr; }

private:
    std::vector<Page> kept_;
    std::shared_ptr<const PageSource> source_;
    size_t count_ = 0;
};

inline void PageList::forEach(const std::function<void(size_t index, const Page& page)>& each) const {
    if (source_) {
        source_->walk(each);
        return;
    }
    for (size_t i = 0; i < kept_.size(); ++i)
        each(i, kept_[i]);
}

// The laid-out report: what the preview shows, the printer prints and the exports write.
struct Document {
    QString title;
    QSizeF pageSize;  // points; wider than tall in landscape
    PageList pages;
    std::vector<std::shared_ptr<const QFont>> fonts;  // those the elements point to

    int pageCount() const { return int(pages.size()); }
    bool isLandscape() const { return pageSize.width() > pageSize.height(); }
};

}  // namespace report
