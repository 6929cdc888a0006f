// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report/Document.h"
#include "platform/report/FileDialog.h"
#include "platform/report/Output.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;

namespace report {

class Report;

namespace detail {
class PageView;
}

struct SaveChoice {
    QString path;
    Format format;
};
// The dialogs the preview asks through (tests answer them so). The save dialog is given the kinds of file it
// offers, each with the suffix the file gets; passing an empty function restores the standard dialogs.
using SaveDialog = std::function<std::optional<SaveChoice>(QWidget* parent, const QString& suggestedName,
                                                           const QList<FileType>& offered)>;
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
void setSaveDialog(SaveDialog dialog);
void setPrintDialog(PrintDialog dialog);
// How the preview runs long work (saving, printing): the system shows its progress and lets the user
// cancel, the function then returning false. An empty function runs the work as it is.
using LongWork = std::function<bool(const QString& text, const std::function<void(const Progress&)>& work)>;
void setLongWork(LongWork run);

// Where a save dialog opens for a suggested name: the user's documents folder (the home folder without
// one), never the working directory; a name with its folder stays as it is.
QString savePathFor(const QString& suggestedName);

// The window that shows a laid-out report page by page, prints it and saves it as PDF, text, HTML or CSV.
// Its actions carry object names: actFirst, actPrior, actNext, actLast, actZoomIn, actZoomOut,
// actFitWidth, actActualSize, actPrint, actSave, actClose.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    // Lays out the report, stepping `progress` (which may throw to stop); the window keeps the report alive
    // for as long as it exists.
    explicit PreviewWindow(std::shared_ptr<const Report> report, QWidget* parent = nullptr,
                           const Progress& progress = {});
    explicit PreviewWindow(Document document, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const Document& document() const { return document_; }
    int currentPage() const { return page_; }  // 1-based; 0 when the report has no page
    int pageCount() const { return document_.pageCount(); }
    qreal zoom() const { return zoom_; }  // 1.0 shows the page at its real size

    bool saveAs(const QString& path, Format format, QString* error = nullptr, const Progress& progress = {});

public slots:
    void showPage(int number);
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    void setZoom(qreal zoom);
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void actualSize();
    void print();
    void save();

private:
    void build();
    void refresh();
    QAction* makeAction(const char* name, const QString& text, const QKeySequence& key, void (PreviewWindow::*slot)());
    void closePreview() { close(); }

    std::shared_ptr<const Report> report_;
    Document document_;
    int page_ = 0;
    Page current_;        // the page shown
    int shownPage_ = -1;  // its number
    qreal zoom_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    detail::PageView* view_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageTotal_ = nullptr;
};

// Gives a window that is about to be shown its size and place on the screen.
using Placement = std::function<void(QWidget* window)>;

// Shows a report's preview. The preview window owns a share of the report, so a report form derived from
// Report lives until its preview is closed; the window is deleted when it closes. It belongs to `parent`'s
// window and is put where `place` says (the window system decides without one).
// Modal: the call returns once the window has closed (nullptr). Not modal: it returns the open window at
// once and every other window stays usable.
PreviewWindow* showPreview(std::shared_ptr<const Report> report, bool modal, QWidget* parent = nullptr,
                           const Placement& place = {});
// The same in two steps: the window with the report laid out (not shown yet), then shown.
PreviewWindow* makePreview(std::shared_ptr<const Report> report, QWidget* parent, const Progress& progress = {});
PreviewWindow* showPreview(PreviewWindow* window, bool modal);

}  // namespace report
