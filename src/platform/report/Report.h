// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report/DataSource.h"
#include "platform/report/Document.h"

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QChart;

namespace report {

namespace detail {
class BandMeasure;
class Engine;
}  // namespace detail

class Context;

using Expression = std::function<QVariant(const Context&)>;
using PrintHook = std::function<void(QString& text)>;
using BandHook = std::function<bool(const Context&)>;         // false: the band is not printed for this row
using ChartFactory = std::function<QChart*(const Context&)>;  // the engine takes ownership of the chart
using ChildData = std::function<std::shared_ptr<const DataSource>(const Context& master)>;
using Formatter = std::function<QString(const QVariant& value, const QString& format)>;

enum class Orientation { Portrait, Landscape };

enum class BandType {
    Title,         // once, on the first page, below the page header
    PageHeader,    // top of every page
    ColumnHeader,  // below the page header (and title) on every page
    GroupHeader,   // when a group's value changes
    GroupFooter,   // after the last row of a group
    Detail,        // once per master row
    SubDetailHeader,
    SubDetail,  // once per row of a sub-detail's child data
    SubDetailFooter,
    Summary,    // once, after the last row
    PageFooter  // bottom of every page
};

enum class SystemField { Date, Time, DateTime, PageNumber, PageCount, RowNumber, ReportTitle };

enum class Shape { HorizontalLine, VerticalLine, Rectangle };

// What a band is printing for: its data row, the page, and counts and sums over the rows of its scope.
// The scope is the group for group bands, the page for page header and footer, the child rows for
// sub-detail bands and the whole report (so far) for every other band.
class Context {
public:
    const DataSource* data() const { return data_; }
    int row() const { return row_; }                   // -1 without data
    QVariant value(const QString& field) const;        // of the current row
    QString text(const QString& field) const;          // the value as the report prints it
    const Context* master() const { return master_; }  // for sub-detail bands: the master row
    int pageNumber() const;
    QDateTime now() const;
    int count() const;                       // detail rows printed in scope
    double sum(const QString& field) const;  // sum of a field over those rows

private:
    friend class detail::Engine;
    const detail::Engine* engine_ = nullptr;
    const DataSource* data_ = nullptr;
    int row_ = -1;
    const std::vector<int>* scopeRows_ = nullptr;
    size_t scopeFrom_ = 0;
    const Context* master_ = nullptr;
};

// A thing printed in a band. Geometry is in millimetres from the band's top-left corner.
class Item {
public:
    enum class Kind { Label, Field, System, Expression, Shape, Image, Chart };

    Item& setFont(const QFont& font);
    Item& setFontSize(qreal points);
    Item& setBold(bool bold = true);
    Item& setItalic(bool italic = true);
    Item& setAlignment(Qt::Alignment horizontal);  // Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight
    Item& setFrame(Qt::Edges edges, qreal widthPt = 0.5);
    Item& setFormat(const QString& format);  // date pattern (Qt syntax) or number mask such as "#,##0.00"
    Item& setWordWrap(bool wrap = true);     // several lines within the width; grows a growing band
    Item& setRichText(bool rich = true);     // the text is HTML
    Item& setOnPrint(PrintHook hook);        // rewrites the text just before it prints
    Item& setFill(const QColor& color);      // shapes
    Item& setStretch(bool stretch = true);   // images: fill the box instead of keeping proportions

    Kind kind() const { return kind_; }
    QRectF geometry() const { return geometry_; }

private:
    friend class Band;
    friend class detail::BandMeasure;
    Item(Kind kind, const QRectF& geometryMm) : kind_(kind), geometry_(geometryMm) {}

    Kind kind_;
    QRectF geometry_;
    QString text_;  // label text, field name
    SystemField system_ = SystemField::Date;
    Shape shape_ = Shape::Rectangle;
    Expression expression_;
    ChartFactory chart_;
    QImage image_;
    QString format_;
    std::optional<QFont> font_;
    std::optional<qreal> fontSize_;
    std::optional<bool> bold_;
    std::optional<bool> italic_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    Frame frame_;
    QColor fill_;
    bool wrap_ = false;
    bool rich_ = false;
    bool stretch_ = false;
    PrintHook onPrint_;
};

class Band {
public:
    BandType type() const { return type_; }
    qreal height() const { return height_; }

    Band& setHeight(qreal mm);
    Band& setGrows(bool grows = true);        // stretches to its tallest wrapped item; items below it move down
    Band& setKeepTogether(bool keep = true);  // moves whole to the next page instead of splitting its text
    Band& setBeforePrint(BandHook hook);

    Item& addLabel(const QRectF& mm, const QString& text);
    Item& addField(const QRectF& mm, const QString& field);
    Item& addSystem(const QRectF& mm, SystemField field);
    Item& addExpression(const QRectF& mm, Expression expression);
    Item& addMemo(const QRectF& mm, const QString& text);      // word-wrapped label
    Item& addRichText(const QRectF& mm, const QString& html);  // HTML label, word-wrapped
    Item& addShape(const QRectF& mm, Shape shape);
    Item& addImage(const QRectF& mm, const QImage& image);
    Item& addImage(const QRectF& mm, const QByteArray& jpeg);  // decoded with decodeJpeg()
    Item& addChart(const QRectF& mm, ChartFactory factory);

    const std::vector<std::unique_ptr<Item>>& items() const { return items_; }

private:
    friend class Report;
    friend class Group;
    friend class SubDetail;
    friend class detail::BandMeasure;
    friend class detail::Engine;
    Band(BandType type, qreal heightMm) : type_(type), height_(heightMm) {}
    Item& add(Item* item);

    BandType type_;
    qreal height_;
    bool grows_ = false;
    bool keepTogether_ = false;
    BandHook beforePrint_;
    std::vector<std::unique_ptr<Item>> items_;
};

// A level of grouping: rows with the same key value form a group, with a header before and a footer after.
class Group {
public:
    Band& addHeader(qreal heightMm);
    Band& addFooter(qreal heightMm);

private:
    friend class Report;
    friend class detail::Engine;
    explicit Group(Expression key) : key_(std::move(key)) {}
    Expression key_;
    std::vector<std::unique_ptr<Band>> headers_;
    std::vector<std::unique_ptr<Band>> footers_;
};

// Rows of a second data source printed after each master row, e.g. the rows of a child query.
class SubDetail {
public:
    Band& addHeader(qreal heightMm);
    Band& addDetail(qreal heightMm);
    Band& addFooter(qreal heightMm);
    SubDetail& setPrintIfEmpty(bool print = true);  // header and footer even without child rows

private:
    friend class Report;
    friend class detail::Engine;
    explicit SubDetail(ChildData prepare) : prepare_(std::move(prepare)) {}
    ChildData prepare_;
    bool printIfEmpty_ = false;
    std::vector<std::unique_ptr<Band>> headers_;
    std::vector<std::unique_ptr<Band>> details_;
    std::vector<std::unique_ptr<Band>> footers_;
};

// A banded report defined in code. A report form of the system may derive from it to keep its queries
// and state alive as long as the report (see showPreview).
class Report : public std::enable_shared_from_this<Report> {
public:
    Report();
    virtual ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Page: A4 by default, margins in millimetres.
    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    Orientation orientation() const { return orientation_; }
    void setMargins(const QMarginsF& mm) { margins_ = mm; }
    void setMargins(qreal mm) { margins_ = QMarginsF(mm, mm, mm, mm); }
    QMarginsF margins() const { return margins_; }
    void setPaperSize(const QSizeF& portraitMm) { paper_ = portraitMm; }
    QSizeF pageSizeMm() const;  // in the report's orientation
    QRectF bodyRectMm() const;  // the page inside the margins

    void setTitle(const QString& title) { title_ = title; }
    QString title() const { return title_; }

    // Master rows; without data the detail bands print once.
    void setData(std::shared_ptr<const DataSource> data) { data_ = std::move(data); }
    std::shared_ptr<const DataSource> data() const { return data_; }
    void setPrintIfEmpty(bool print) { printIfEmpty_ = print; }  // default true
    // Whether its preview saves text, HTML and CSV besides PDF (default true).
    void setTextExports(bool on) { textExports_ = on; }
    bool textExports() const { return textExports_; }

    void setDefaultFont(const QFont& font) { defaultFont_ = font; }
    void setFormatter(Formatter formatter) { formatter_ = std::move(formatter); }
    QString format(const QVariant& value, const QString& format = {}) const;
    void setNow(const QDateTime& now) { now_ = now; }  // fixes the printing time; default: when laid out
    void setBeforeLayout(std::function<void()> hook) { beforeLayout_ = std::move(hook); }

    Band& addBand(BandType type, qreal heightMm);  // title, page/column header, detail, summary, page footer
    Group& addGroup(const QString& field);         // each call nests a level inside the previous ones
    Group& addGroup(Expression key);
    SubDetail& addSubDetail(ChildData prepare);

    // Lays the report out, stepping `progress` by master row. A report owned by a shared pointer whose
    // pages hold more than the budget's items in all keeps no page: the document makes each again from the
    // report when it is asked for, and holds a share of the report for that. Bands, hooks and expressions
    // must then print the same each time they run for the same rows.
    Document layout(const Progress& progress = {}) const;
    // How many laid-out items (texts, lines, pictures) a document keeps at most; default 200,000.
    void setKeptItems(qint64 items) { keptItems_ = items; }

private:
    friend class detail::Engine;

    Orientation orientation_ = Orientation::Portrait;
    QSizeF paper_{210, 297};
    QMarginsF margins_{10, 10, 10, 10};
    QString title_;
    std::shared_ptr<const DataSource> data_;
    bool printIfEmpty_ = true;
    bool textExports_ = true;
    QFont defaultFont_;
    Formatter formatter_;
    std::optional<QDateTime> now_;
    std::function<void()> beforeLayout_;
    qint64 keptItems_ = 200000;
    std::vector<std::unique_ptr<Band>> bands_;
    std::vector<std::unique_ptr<Group>> groups_;
    std::vector<std::unique_ptr<SubDetail>> subDetails_;
};

}  // namespace report
