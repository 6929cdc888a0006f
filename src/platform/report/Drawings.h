// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the report engine: text measuring and the drawings it places on pages.

#include "platform/report/Document.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <cstring>
#include <deque>
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

// How wide text prints in one font, as the layout measures it (points). Shaping a text is slow next to
// the rest of the layout, so a text is first held against the sum of its characters' advances, which a
// shaped line of Latin-1 text exceeds only by kerning apart (a little room is left for it): only a text
// near or over its width, or of other characters, is shaped.
class TextMeasure {
public:
    explicit TextMeasure(const QFont& font);
    const QFont& font() const { return font_; }
    qreal lineHeight() const { return lineHeight_; }
    qreal width(QStringView text) const;  // shaped

    // A width in the units of the bound, with a little room for fonts that kern apart.
    static qint64 boundOf(qreal widthPt);
    // Whether the line is no wider than widthPt; `bound` is boundOf(widthPt).
    bool fits(QStringView line, qreal widthPt, qint64 bound) const {
        return isSurelyWithin(line, bound) || width(line) <= widthPt;
    }
    // The longest beginning of a line that does not fit, of whole characters and without trailing blanks,
    // no wider than widthPt.
    QString cut(const QString& line, qreal widthPt, qint64 bound) const;
    // Cuts every line of a text of lines joined by '\n'.
    void cutLines(QString& text, qreal widthPt, qint64 bound) const;

    // Whether the sum of the advances of the line's characters is known and within the bound, which
    // tells that it fits and holds no control character such as a line break. Four characters a step, read
    // as one word, every one looked up: most lines of a list end here.
    bool isSurelyWithin(QStringView line, qint64 bound) const {
        const char16_t* p = line.utf16();
        const qsizetype n = line.size();
        qint64 a = 0, b = 0;
        quint64 seen = 0;  // the high bytes tell a character past Latin-1, in either byte order
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4) {
            quint64 w;
            std::memcpy(&w, p + i, sizeof w);
            seen |= w;
            a += advances_[w & 0xFF] + advances_[(w >> 32) & 0xFF];
            b += advances_[(w >> 16) & 0xFF] + advances_[(w >> 48) & 0xFF];
        }
        for (; i < n; ++i) {
            seen |= p[i];
            a += advances_[p[i] & 0xFF];
        }
        return (seen & 0xFF00FF00FF00FF00ULL) == 0 && a + b <= bound;
    }

private:
    // The sum of the advances of the leading characters, up to `limit` or the first one it cannot bound;
    // *count tells how many were summed.
    qint64 leadingBound(QStringView line, qint64 limit, qsizetype* count) const;

    QFont font_;
    QFontMetricsF metrics_;
    qreal lineHeight_;
    std::array<qint32, 256> advances_;  // of each Latin-1 character, rounded up; huge for control ones
};

// The measures of the fonts a layout uses, made once per font; they stay where they are.
class MetricsCache {
public:
    const TextMeasure& measure(const QFont& font);

private:
    std::deque<TextMeasure> entries_;
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
