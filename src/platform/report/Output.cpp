// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a laid-out page on a printer, a picture or a PDF.
#include "platform/report/Output.h"

#include "platform/files/Replacement.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <QPrinter>
#include <deque>

#include <algorithm>

namespace report {

namespace {

// Paints pages with fonts resolved for the painter's device once per font.
class PagePainter {
public:
    explicit PagePainter(QPainter& painter) : painter_(painter), dpi_(painter.device()->logicalDpiY()) {}

    void paint(const Page& page) {
        for (const Element& e : page.elements)
            paint(e);
    }

private:
    struct FontEntry {
        QFont font;
        QFont deviceFont;
        QFontMetricsF metrics;
    };

    // One point of the font is one unit of the painter's (point) coordinates, whatever the device's dpi.
    const FontEntry& fontFor(const QFont& font) {
        if (last_ && last_->font == font)
            return *last_;
        for (const FontEntry& entry : fonts_) {
            if (entry.font == font)
                return *(last_ = &entry);
        }
        QFont deviceFont = font;
        const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : qreal(font.pixelSize());
        deviceFont.setPointSizeF(points * 72.0 / dpi_);
        fonts_.push_back({font, deviceFont, QFontMetricsF(deviceFont, painter_.device())});
        return *(last_ = &fonts_.back());
    }

    void setPen(qreal width) {
        blackText_ = false;
        if (width <= 0) {
            painter_.setPen(Qt::NoPen);
        } else {
            QPen pen(Qt::black, width);
            pen.setCapStyle(Qt::FlatCap);
            painter_.setPen(pen);
        }
    }

    void paintText(const Element& e) {
        const FontEntry& entry = fontFor(e.textFont());
        if (&entry != painted_) {
            painter_.setFont(entry.deviceFont);
            painted_ = &entry;
        }
        if (!blackText_) {
            painter_.setPen(Qt::black);
            blackText_ = true;
        }
        const qreal ascent = entry.metrics.ascent();
        auto drawLine = [&](const QString& piece, int line) {
            qreal x = e.rect.left();
            if (e.alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
                const qreal slack = e.rect.width() - entry.metrics.horizontalAdvance(piece);
                x += (e.alignment & Qt::AlignRight) ? slack : slack / 2;
            }
            painter_.drawText(QPointF(x, e.rect.top() + line * e.lineHeight + ascent), piece);
        };
        if (!e.text.contains(QLatin1Char('\n'))) {
            if (!e.text.isEmpty())
                drawLine(e.text, 0);
            return;
        }
        qsizetype start = 0;
        for (int line = 0; start <= e.text.size(); ++line) {
            qsizetype end = e.text.indexOf(QLatin1Char('\n'), start);
            if (end < 0)
                end = e.text.size();
            const QString piece = e.text.mid(start, end - start);
            start = end + 1;
            if (!piece.isEmpty())
                drawLine(piece, line);
        }
    }

    void paintFrame(const Element& e) {
        setPen(e.frame.width);
        const QRectF& r = e.rect;
        if (e.frame.edges & Qt::TopEdge)
            painter_.drawLine(r.topLeft(), r.topRight());
        if (e.frame.edges & Qt::BottomEdge)
            painter_.drawLine(r.bottomLeft(), r.bottomRight());
        if (e.frame.edges & Qt::LeftEdge)
            painter_.drawLine(r.topLeft(), r.bottomLeft());
        if (e.frame.edges & Qt::RightEdge)
            painter_.drawLine(r.topRight(), r.bottomRight());
    }

    void paint(const Element& e) {
        switch (e.kind) {
        case Element::Kind::Text: paintText(e); break;
        case Element::Kind::Line:
            setPen(e.figure->penWidth);
            painter_.drawLine(e.rect.topLeft(), e.rect.bottomRight());
            break;
        case Element::Kind::Rectangle:
            setPen(e.figure->penWidth);
            painter_.setBrush(e.figure->fill.isValid() ? QBrush(e.figure->fill) : QBrush(Qt::NoBrush));
            painter_.drawRect(e.rect);
            painter_.setBrush(Qt::NoBrush);
            break;
        case Element::Kind::Image: painter_.drawImage(e.rect, e.figure->image); break;
        case Element::Kind::Drawing:
            if (e.figure && e.figure->drawing)
                e.figure->drawing->paint(painter_, e.rect);
            painted_ = nullptr;  // a drawing sets fonts and pens of its own
            blackText_ = false;
            break;
        }
        if (!e.frame.isEmpty())
            paintFrame(e);
    }

    QPainter& painter_;
    qreal dpi_;
    std::deque<FontEntry> fonts_;  // entries stay where they are as others are added
    const FontEntry* last_ = nullptr;
    const FontEntry* painted_ = nullptr;  // the painter's font
    bool blackText_ = false;              // the painter's pen is the text's
};

}  // namespace

void paintPage(QPainter& painter, const Page& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PagePainter(painter).paint(page);
    painter.restore();
}

bool paintDocument(const Document& document, QPagedPaintDevice& device, const Progress& progress) {
    const QSizeF portrait(qMin(document.pageSize.width(), document.pageSize.height()),
                          qMax(document.pageSize.width(), document.pageSize.height()));
    const QPageLayout layout(QPageSize(portrait, QPageSize::Point),
                             document.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0));
    device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    PagePainter pages(painter);
    bool paged = true;
    document.pages.forEach([&](size_t i, const Page& page) {
        if (progress)
            progress(qint64(i), qint64(document.pages.size()));
        if (!paged || (i > 0 && !device.newPage())) {
            paged = false;
            return;
        }
        pages.paint(page);
    });
    return painter.end() && paged;
}

bool printDocument(const Document& document, QPrinter& printer, const Progress& progress) {
    printer.setFullPage(true);
    if (!document.title.isEmpty())
        printer.setDocName(document.title);
    if (!progress)
        return paintDocument(document, printer);
    // A print stopped midway sends no page to the printer.
    return paintDocument(document, printer, [&](qint64 done, qint64 total) {
        try {
            progress(done, total);
        } catch (...) {
            printer.abort();
            throw;
        }
    });
}

bool writePdf(const Document& document, const QString& path, const Progress& progress) {
    QPdfWriter writer(path);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("NURV"));
    writer.setResolution(1200);
    return paintDocument(document, writer, progress);
}

// ---- text exports

namespace {

struct Cell {
    qreal x;
    QString text;
};
using Row = std::vector<Cell>;

struct Fragment {
    qreal y;
    qreal height;
    qreal x;
    QString text;
};

// Every line of text on a page, gathered into rows of the same line.
std::vector<Row> rowsOf(const Page& page) {
    std::vector<Fragment> fragments;
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Text) {
            const QStringList lines = e.text.split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i)
                fragments.push_back({e.rect.top() + i * e.lineHeight, e.lineHeight, e.rect.left(), lines.at(i)});
        } else if (e.kind == Element::Kind::Drawing && e.figure && e.figure->drawing) {
            for (const DrawingLine& line : e.figure->drawing->lines())
                fragments.push_back({e.rect.top() + line.y, line.height, e.rect.left(), line.text});
        }
    }
    std::stable_sort(fragments.begin(), fragments.end(),
                     [](const Fragment& a, const Fragment& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
    std::vector<Row> rows;
    qreal rowEnd = -1;
    for (Fragment& f : fragments) {
        if (rows.empty() || f.y >= rowEnd) {
            rows.emplace_back();
            rowEnd = f.y + qMax<qreal>(f.height * 0.5, 1.0);
        }
        rows.back().push_back({f.x, std::move(f.text)});
    }
    std::vector<Row> result;
    result.reserve(rows.size());
    for (Row& row : rows) {
        if (std::all_of(row.begin(), row.end(), [](const Cell& c) { return c.text.isEmpty(); }))
            continue;
        std::stable_sort(row.begin(), row.end(), [](const Cell& a, const Cell& b) { return a.x < b.x; });
        result.push_back(std::move(row));
    }
    return result;
}

class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void begin(const Document&) {}
    virtual void beginPage(int /*number*/) {}
    virtual void row(const Row& row) = 0;
    virtual void endPage(bool /*last*/) {}
    virtual void end() {}
    QString out;
};

// Columns of about one character per 6 points, so the text keeps the page's arrangement.
class PlainWriter : public RowWriter {
public:
    void row(const Row& row) override {
        QString line;
        for (const Cell& cell : row) {
            const int column = qRound(cell.x / 6.0);
            if (line.size() < column)
                line += QString(column - line.size(), QLatin1Char(' '));
            else if (!line.isEmpty())
                line += QLatin1Char(' ');
            line += cell.text;
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line;
        out += QLatin1Char('\n');
    }
    void endPage(bool last) override {
        if (!last)
            out += QLatin1Char('\f');
    }
};

class HtmlWriter : public RowWriter {
public:
    void begin(const Document& document) override {
        out += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
        out += document.title.toHtmlEscaped();
        out += QStringLiteral(
            "</title>\n<style>\ntable.page { border-collapse: collapse; margin-bottom: 2em; "
            "page-break-after: always; }\ntd { padding: 0 0.6em; white-space: pre; }\n"
            "</style>\n</head>\n<body>\n");
    }
    void beginPage(int number) override {
        out += QStringLiteral("<table class=\"page\" id=\"page-%1\">\n").arg(number);
    }
    void row(const Row& row) override {
        out += QStringLiteral("<tr>");
        for (const Cell& cell : row) {
            out += QStringLiteral("<td>");
            out += cell.text.toHtmlEscaped();
            out += QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>\n");
    }
    void endPage(bool) override { out += QStringLiteral("</table>\n"); }
    void end() override { out += QStringLiteral("</body>\n</html>\n"); }
};

class CsvWriter : public RowWriter {
public:
    void row(const Row& row) override {
        bool first = true;
        for (const Cell& cell : row) {
            if (!first)
                out += QLatin1Char(',');
            first = false;
            const QString& text = cell.text;
            if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
                QString quoted = text;
                quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
                out += QLatin1Char('"') + quoted + QLatin1Char('"');
            } else {
                out += text;
            }
        }
        out += QLatin1String("\r\n");
    }
};

std::unique_ptr<RowWriter> writerFor(Format format) {
    switch (format) {
    case Format::Text: return std::make_unique<PlainWriter>();
    case Format::Html: return std::make_unique<HtmlWriter>();
    case Format::Csv: return std::make_unique<CsvWriter>();
    case Format::Pdf: break;
    }
    return nullptr;
}

}  // namespace

void writeText(const Document& document, Format format, const std::function<void(const QString& part)>& out,
               const Progress& progress) {
    const std::unique_ptr<RowWriter> writer = writerFor(format);
    if (!writer)
        return;
    writer->begin(document);
    document.pages.forEach([&](size_t i, const Page& page) {
        if (progress)
            progress(qint64(i), qint64(document.pages.size()));
        writer->beginPage(int(i) + 1);
        for (const Row& row : rowsOf(page))
            writer->row(row);
        writer->endPage(i + 1 == document.pages.size());
        out(writer->out);  // a page at a time: a long document never sits whole in memory
        writer->out.clear();
    });
    writer->end();
    out(writer->out);
}

QString exportText(const Document& document, Format format, const Progress& progress) {
    QString text;
    writeText(
        document, format, [&](const QString& part) { text += part; }, progress);
    return text;
}

bool save(const Document& document, const QString& path, Format format, QString* error, const Progress& progress) {
    // Every format is written aside and replaces the earlier file only once whole: a failure or a stop
    // midway leaves the earlier file.
    try {
        files::Replacement file(path, format == Format::Pdf ? QStringLiteral("pdf") : QStringLiteral("tmp"));
        if (format == Format::Pdf) {
            if (!writePdf(document, file.partName(), progress)) {
                if (error)
                    *error = QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path);
                return false;
            }
        } else {
            // Spreadsheets take a text without a mark for their own code page: the byte-order mark tells
            // them the comma-separated text is UTF-8.
            if (format == Format::Csv)
                file.write(QByteArrayLiteral("\xEF\xBB\xBF"));
            writeText(
                document, format, [&](const QString& part) { file.write(part.toUtf8()); }, progress);
        }
        file.commit();
    } catch (const files::Error& e) {
        if (error)
            *error = e.text();
        return false;
    }
    return true;
}

}  // namespace report
