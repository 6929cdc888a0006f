#include "common/Prompts.h"

#include "common/FormOpening.h"
#include "platform/report/PreviewWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Prompts {

namespace {

QWidget* activeWindow() { return QApplication::activeWindow(); }

class DialogHandler : public Handler {
public:
    void message(Kind kind, const QString& title, const QString& text) override {
        QMessageBox box(activeWindow());
        box.setWindowTitle(title);
        box.setText(text);
        switch (kind) {
        case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
        case Kind::Error: box.setIcon(QMessageBox::Critical); break;
        default: box.setIcon(QMessageBox::Information); break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    bool confirm(const QString& title, const QString& text) override {
        QMessageBox box(activeWindow());
        box.setWindowTitle(title);
        box.setText(text);
        box.setIcon(QMessageBox::Question);
        QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    QString fileName(Kind kind, const QString& caption, const QString& filter, const QString& suggested) override {
        if (kind == Kind::SaveFile)
            return QFileDialog::getSaveFileName(activeWindow(), caption, suggested, filter);
        return QFileDialog::getOpenFileName(activeWindow(), caption, suggested, filter);
    }

    void preview(const std::shared_ptr<report::Report>& report, bool modal) override {
        report::showPreview(report, modal, activeWindow(), placeOverWorkspace);
    }
};

DialogHandler g_dialogs;
Handler* g_handler = nullptr;

// The application's title: the system's full name and one blank. (Qt's display name is left unset, as
// it would be appended to every window's caption.)
QString appTitle() { return QStringLiteral("Nurvalia "); }

}  // namespace

void setHandler(Handler* h) { g_handler = h; }
Handler* handler() { return g_handler ? g_handler : &g_dialogs; }

void information(const QString& text) { handler()->message(Kind::Information, appTitle(), text); }
bool confirm(const QString& text) { return handler()->confirm(QStringLiteral("Confirmação"), text); }
void warning(const QString& text) { handler()->message(Kind::Warning, QStringLiteral("Aviso"), text); }
void error(const QString& text) { handler()->message(Kind::Error, QStringLiteral("Erro"), text); }

QString saveFileName(const QString& caption, const QString& filter, const QString& suggested) {
    return handler()->fileName(Kind::SaveFile, caption, filter, report::savePathFor(suggested));
}

QString openFileName(const QString& caption, const QString& filter) {
    return handler()->fileName(Kind::OpenFile, caption, filter, {});
}

void preview(const std::shared_ptr<report::Report>& report, bool modal) { handler()->preview(report, modal); }

}  // namespace Prompts
