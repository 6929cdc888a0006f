// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window: its pages, zoom, page moves, print and save, and the dialogs it asks through.
#include "platform/report/PreviewWindow.h"

#include "platform/report/Report.h"
#include "platform/ui/ActionKeys.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

namespace report {

namespace {

SaveDialog& saveDialog() {
    static SaveDialog dialog;
    return dialog;
}

PrintDialog& printDialog() {
    static PrintDialog dialog;
    return dialog;
}

LongWork& longWork() {
    static LongWork run;
    return run;
}

bool runLong(const QString& text, const std::function<void(const Progress&)>& work) {
    if (const LongWork& run = longWork())
        return run(text, work);
    work({});
    return true;
}

struct SavedFormat {
    Format format;
    const char* filter;
    const char* suffix;
};

const SavedFormat kFileTypes[] = {
    {Format::Pdf, "Arquivo PDF (*.pdf)", "pdf"},
    {Format::Text, "Texto (*.txt)", "txt"},
    {Format::Html, "HTML (*.html *.htm)", "html"},
    {Format::Csv, "Texto separado por vírgulas (*.csv)", "csv"},
};

// The kinds of file the preview saves, the text ones only where the report allows them.
QList<FileType> saveTypes(bool textExports) {
    QList<FileType> types;
    for (const SavedFormat& type : kFileTypes)
        if (textExports || type.format == Format::Pdf)
            types.append({QString::fromUtf8(type.filter), QString::fromLatin1(type.suffix)});
    return types;
}

std::optional<SaveChoice> askSaveFile(QWidget* parent, const QString& suggestedName, const QList<FileType>& types) {
    int chosen = 0;
    const QString path =
        askSaveFileName(parent, QStringLiteral("Salvar relatório"), savePathFor(suggestedName), types, &chosen);
    if (path.isEmpty())
        return std::nullopt;
    for (const SavedFormat& type : kFileTypes)
        if (types.value(chosen).suffix == QLatin1String(type.suffix))
            return SaveChoice{path, type.format};
    return std::nullopt;
}

bool askPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

constexpr int kPageGap = 12;  // pixels around the page
constexpr qreal kMinZoom = 0.1;
constexpr qreal kMaxZoom = 8.0;

}  // namespace

void setSaveDialog(SaveDialog dialog) { saveDialog() = std::move(dialog); }

QString savePathFor(const QString& suggestedName) {
    if (QDir::isAbsolutePath(suggestedName))
        return suggestedName;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(suggestedName);
}
void setPrintDialog(PrintDialog dialog) { printDialog() = std::move(dialog); }
void setLongWork(LongWork run) { longWork() = std::move(run); }

namespace detail {

// The current page, drawn at the window's zoom on a grey desk.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

    void show(const Page* page, QSizeF pageSize, qreal zoom) {
        page_ = page;
        pageSize_ = pageSize;
        scale_ = zoom * logicalDpiX() / 72.0;
        resize(qCeil(pageSize_.width() * scale_) + 2 * kPageGap, qCeil(pageSize_.height() * scale_) + 2 * kPageGap);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        if (!page_)
            return;
        const QRectF sheet(kPageGap, kPageGap, pageSize_.width() * scale_, pageSize_.height() * scale_);
        painter.fillRect(sheet.translated(3, 3), QColor(0x50, 0x50, 0x50));
        painter.fillRect(sheet, Qt::white);
        painter.translate(sheet.topLeft());
        painter.scale(scale_, scale_);
        painter.setClipRect(QRectF(QPointF(0, 0), pageSize_));
        paintPage(painter, *page_);
    }

private:
    const Page* page_ = nullptr;
    QSizeF pageSize_;
    qreal scale_ = 1;
};

}  // namespace detail

PreviewWindow::PreviewWindow(std::shared_ptr<const Report> report, QWidget* parent, const Progress& progress)
    : QMainWindow(parent), report_(std::move(report)) {
    if (report_)
        document_ = report_->layout(progress);
    build();
}

PreviewWindow::PreviewWindow(Document document, QWidget* parent) : QMainWindow(parent), document_(std::move(document)) {
    build();
}

PreviewWindow::~PreviewWindow() = default;

QAction* PreviewWindow::makeAction(const char* name, const QString& text, const QKeySequence& key,
                                   void (PreviewWindow::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    QWidget::addAction(action);
    return action;
}

void PreviewWindow::build() {
    setWindowTitle(document_.title.isEmpty() ? QStringLiteral("Visualização do relatório")
                                             : QStringLiteral("Visualização - %1").arg(document_.title));
    resize(900, 700);

    auto* tools = addToolBar(QStringLiteral("Relatório"));
    tools->setObjectName(QStringLiteral("tbPreview"));
    tools->setMovable(false);
    ui::showActionKeys(tools);
    tools->addAction(makeAction("actFirst", QStringLiteral("Primeira"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                                &PreviewWindow::firstPage));
    tools->addAction(
        makeAction("actPrior", QStringLiteral("Anterior"), QKeySequence(Qt::Key_PageUp), &PreviewWindow::priorPage));
    pageBox_ = new QSpinBox(this);
    pageBox_->setObjectName(QStringLiteral("spnPage"));
    pageBox_->setMinimum(document_.pageCount() > 0 ? 1 : 0);
    pageBox_->setMaximum(document_.pageCount());
    tools->addWidget(pageBox_);
    pageTotal_ = new QLabel(QStringLiteral(" de %1 ").arg(document_.pageCount()), this);
    tools->addWidget(pageTotal_);
    tools->addAction(
        makeAction("actNext", QStringLiteral("Próxima"), QKeySequence(Qt::Key_PageDown), &PreviewWindow::nextPage));
    tools->addAction(makeAction("actLast", QStringLiteral("Última"), QKeySequence(Qt::CTRL | Qt::Key_End),
                                &PreviewWindow::lastPage));
    tools->addSeparator();
    tools->addAction(
        makeAction("actZoomOut", QStringLiteral("Reduzir"), QKeySequence::ZoomOut, &PreviewWindow::zoomOut));
    tools->addAction(makeAction("actZoomIn", QStringLiteral("Ampliar"), QKeySequence::ZoomIn, &PreviewWindow::zoomIn));
    tools->addAction(makeAction("actFitWidth", QStringLiteral("Largura da página"), QKeySequence(Qt::CTRL | Qt::Key_L),
                                &PreviewWindow::fitWidth));
    tools->addAction(makeAction("actActualSize", QStringLiteral("100%"), QKeySequence(Qt::CTRL | Qt::Key_0),
                                &PreviewWindow::actualSize));
    tools->addSeparator();
    tools->addAction(makeAction("actPrint", QStringLiteral("Imprimir..."), QKeySequence::Print, &PreviewWindow::print));
    tools->addAction(makeAction("actSave", QStringLiteral("Salvar..."), QKeySequence::Save, &PreviewWindow::save));
    tools->addSeparator();
    tools->addAction(
        makeAction("actClose", QStringLiteral("Fechar"), QKeySequence(Qt::Key_Escape), &PreviewWindow::closePreview));

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new detail::PageView(scroll_);
    scroll_->setWidget(view_);
    setCentralWidget(scroll_);

    connect(pageBox_, &QSpinBox::valueChanged, this, &PreviewWindow::showPage);
    page_ = document_.pageCount() > 0 ? 1 : 0;
    refresh();
}

void PreviewWindow::refresh() {
    if (page_ != shownPage_) {  // a page made again when it is not kept
        current_ = page_ > 0 ? document_.pages[size_t(page_ - 1)] : Page();
        shownPage_ = page_;
    }
    view_->show(page_ > 0 ? &current_ : nullptr, document_.pageSize, zoom_);
    {
        const QSignalBlocker block(pageBox_);
        pageBox_->setValue(page_);
    }
    statusBar()->showMessage(QStringLiteral("Página %1 de %2").arg(page_).arg(document_.pageCount()));
    const bool hasPages = document_.pageCount() > 0;
    findChild<QAction*>(QStringLiteral("actFirst"))->setEnabled(page_ > 1);
    findChild<QAction*>(QStringLiteral("actPrior"))->setEnabled(page_ > 1);
    findChild<QAction*>(QStringLiteral("actNext"))->setEnabled(page_ < document_.pageCount());
    findChild<QAction*>(QStringLiteral("actLast"))->setEnabled(page_ < document_.pageCount());
    findChild<QAction*>(QStringLiteral("actPrint"))->setEnabled(hasPages);
    findChild<QAction*>(QStringLiteral("actSave"))->setEnabled(hasPages);
}

void PreviewWindow::showPage(int number) {
    if (document_.pageCount() == 0)
        return;
    page_ = qBound(1, number, document_.pageCount());
    refresh();
    scroll_->verticalScrollBar()->setValue(0);
}

void PreviewWindow::firstPage() { showPage(1); }
void PreviewWindow::priorPage() { showPage(page_ - 1); }
void PreviewWindow::nextPage() { showPage(page_ + 1); }
void PreviewWindow::lastPage() { showPage(document_.pageCount()); }

void PreviewWindow::setZoom(qreal zoom) {
    zoom_ = qBound(kMinZoom, zoom, kMaxZoom);
    refresh();
}

void PreviewWindow::zoomIn() { setZoom(zoom_ * 1.25); }
void PreviewWindow::zoomOut() { setZoom(zoom_ / 1.25); }
void PreviewWindow::actualSize() { setZoom(1.0); }

void PreviewWindow::fitWidth() {
    const qreal available = scroll_->viewport()->width() - 2 * kPageGap;
    const qreal pageWidth = document_.pageSize.width() * view_->logicalDpiX() / 72.0;
    if (pageWidth > 0 && available > 0)
        setZoom(available / pageWidth);
}

bool PreviewWindow::saveAs(const QString& path, Format format, QString* error, const Progress& progress) {
    return report::save(document_, path, format, error, progress);
}

void PreviewWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document_.title);
    const PrintDialog& ask = printDialog();
    if (!(ask ? ask(printer, this) : askPrinter(printer, this)))
        return;
    bool printed = false;
    if (!runLong(QStringLiteral("Imprimindo o relatório..."),
                 [&](const Progress& progress) { printed = printDocument(document_, printer, progress); }))
        return;
    if (!printed)
        QMessageBox::warning(this, QStringLiteral("Aviso"), QStringLiteral("Não foi possível imprimir o relatório."));
}

void PreviewWindow::save() {
    const SaveDialog& ask = saveDialog();
    const bool textExports = !report_ || report_->textExports();
    const QList<FileType> types = saveTypes(textExports);
    const std::optional<SaveChoice> choice =
        ask ? ask(this, document_.title, types) : askSaveFile(this, document_.title, types);
    if (!choice || (!textExports && choice->format != Format::Pdf))
        return;
    QString error;
    bool saved = false;
    if (!runLong(QStringLiteral("Salvando o relatório..."),
                 [&](const Progress& progress) { saved = saveAs(choice->path, choice->format, &error, progress); }))
        return;
    if (!saved)
        QMessageBox::warning(this, QStringLiteral("Aviso"), error);
}

PreviewWindow* showPreview(std::shared_ptr<const Report> report, bool modal, QWidget* parent, const Placement& place) {
    PreviewWindow* window = makePreview(std::move(report), parent);
    if (place)
        place(window);
    return showPreview(window, modal);
}

PreviewWindow* makePreview(std::shared_ptr<const Report> report, QWidget* parent, const Progress& progress) {
    auto* window = new PreviewWindow(std::move(report), parent ? parent->window() : nullptr, progress);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

PreviewWindow* showPreview(PreviewWindow* window, bool modal) {
    if (!modal) {
        window->show();
        return window;
    }
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
    return nullptr;
}

}  // namespace report
