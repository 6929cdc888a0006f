// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts: Qt's dialogs in production, the handler a test installs otherwise; the wait cursor and the
// progress of long work.
#include "common/Prompts.h"

#include "common/FormWindows.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/Report.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace Prompts {

namespace {

// The window a dialog stands over: the active one or, while none is (the moment after another dialog has
// closed), the last window the user worked in that was no dialog, so that closing the new dialog gives the
// user that window back rather than whichever the window manager picks.
QPointer<QWidget> g_worked;  // the last window that was no dialog to take the focus

// Follows the focus from the first action on (see working()).
void watchWindows() {
    static const bool watching = [] {
        if (!qApp)
            return false;
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
            if (now && !qobject_cast<QDialog*>(now->window()))
                g_worked = now->window();
        });
        return true;
    }();
    Q_UNUSED(watching);
}

QWidget* activeWindow() {
    watchWindows();
    QWidget* active = QApplication::activeWindow();
    if (active && !qobject_cast<QDialog*>(active))
        g_worked = active;
    return active ? active : g_worked.data();
}

// The window the user works in, never a dialog: what a window that must outlive the dialogs of the moment
// (a progress dialog) stands over.
QWidget* workWindow() {
    QWidget* active = activeWindow();
    return g_worked ? g_worked.data() : active;
}

// The application's title: the system's full name and one blank. (Qt's display name is left unset, as
// it would be appended to every window's caption.)
QString appTitle() { return QStringLiteral("Nurvalia "); }

constexpr int kShowProgressAfterMs = 250;  // shorter work shows the wait cursor alone
constexpr int kEventsEveryMs = 40;         // how often a shown progress lets the window repaint

// A progress dialog that, without "Cancelar", neither Esc nor the window's close box ends: only its work does.
class ProgressDialog : public QProgressDialog {
public:
    ProgressDialog(QWidget* parent, bool cancellable) : QProgressDialog(parent), m_cancellable(cancellable) {}
    void reject() override {
        if (m_cancellable)
            QProgressDialog::reject();
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (m_cancellable)
            QProgressDialog::closeEvent(event);
        else
            event->ignore();
    }

private:
    bool m_cancellable;
};

// The progress dialog: application-modal, so that the windows take no input while the work processes the
// events that repaint them and bring the click on "Cancelar".
class DialogProgress : public Progress {
public:
    DialogProgress(const QString& text, bool cancellable) : m_text(text), m_cancellable(cancellable) {
        m_since.start();
    }

    void step(qint64 done, qint64 total) override {
        if (!m_dialog) {
            if (m_since.elapsed() < kShowProgressAfterMs)
                return;
            show();
        }
        if (m_events.elapsed() >= kEventsEveryMs) {
            if (total > 0) {
                m_dialog->setMaximum(1000);
                m_dialog->setValue(int(std::clamp<qint64>(done * 1000 / total, 0, 1000)));
            } else {
                m_dialog->setMaximum(0);  // a bar that only shows the work goes on
            }
            QCoreApplication::processEvents();
            m_events.restart();
        }
        if (m_cancellable && m_dialog->wasCanceled())
            throw Cancelled{};
    }

    void setText(const QString& text) override {
        m_text = text;
        if (m_dialog)
            m_dialog->setLabelText(text);
    }

private:
    void show() {
        m_dialog = std::make_unique<ProgressDialog>(workWindow(), m_cancellable);
        m_dialog->setWindowTitle(appTitle());
        m_dialog->setLabelText(m_text);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setMinimumWidth(360);
        if (m_cancellable)
            m_dialog->setCancelButtonText(QStringLiteral("Cancelar"));
        else
            m_dialog->setCancelButton(nullptr);
        m_busy.emplace(Qt::BusyCursor);  // "Cancelar" can be clicked
        m_dialog->show();
        QCoreApplication::processEvents();
        m_events.start();
    }

    QString m_text;
    bool m_cancellable;
    QElapsedTimer m_since;
    QElapsedTimer m_events;
    std::unique_ptr<ProgressDialog> m_dialog;
    std::optional<ui::WaitCursor> m_busy;
};

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

    QString fileName(Kind, const QString& caption, const QList<FileType>& types, const QString& suggested) override {
        return report::askSaveFileName(activeWindow(), caption, suggested, types);
    }

    void preview(const std::shared_ptr<report::Report>& report, bool modal) override {
        showPreviewWindow(report, modal);
    }

    std::unique_ptr<Progress> progress(const QString& text, bool cancellable) override {
        return std::make_unique<DialogProgress>(text, cancellable);
    }
};

DialogHandler g_dialogs;
Handler* g_handler = nullptr;

// Long work that nothing shows: tests' handlers that keep no progress.
class QuietProgress : public Progress {
public:
    void step(qint64, qint64) override {}
    void setText(const QString&) override {}
};

// The progress the callers hold: the wait cursor, and the handler's progress of the outermost work, which
// the work inside it shares, showing its own text from then on.
class Tracked : public Progress {
public:
    Tracked(const QString& text, bool cancellable) : m_outer(s_current) {
        if (m_outer) {
            m_outer->shared()->setText(text);
        } else {
            m_own = handler()->progress(text, cancellable);
            if (!m_own)
                m_own = std::make_unique<QuietProgress>();
        }
        s_current = this;
    }
    ~Tracked() override { s_current = m_outer; }

    void step(qint64 done, qint64 total) override { shared()->step(done, total); }
    void setText(const QString& text) override { shared()->setText(text); }

    static bool active() { return s_current != nullptr; }

private:
    Progress* shared() { return m_own ? m_own.get() : m_outer->shared(); }

    static inline Tracked* s_current = nullptr;
    ui::WaitCursor m_wait;
    Tracked* m_outer;
    std::unique_ptr<Progress> m_own;
};

}  // namespace

std::unique_ptr<Progress> Handler::progress(const QString&, bool) { return std::make_unique<QuietProgress>(); }

void setHandler(Handler* h) { g_handler = h; }
Handler* handler() { return g_handler ? g_handler : &g_dialogs; }

// A question waits on the user with the arrow cursor, whatever work asked it.
void information(const QString& text) {
    const ui::CursorPause pause;
    handler()->message(Kind::Information, appTitle(), text);
}

bool confirm(const QString& text) {
    const ui::CursorPause pause;
    return handler()->confirm(QStringLiteral("Confirmação"), text);
}

void warning(const QString& text) {
    const ui::CursorPause pause;
    handler()->message(Kind::Warning, QStringLiteral("Aviso"), text);
}

void error(const QString& text) {
    const ui::CursorPause pause;
    handler()->message(Kind::Error, QStringLiteral("Erro"), text);
}

QString saveFileName(const QString& caption, const QList<FileType>& types, const QString& suggested) {
    const ui::CursorPause pause;
    return handler()->fileName(Kind::SaveFile, caption, types, report::savePathFor(suggested));
}

void preview(const std::shared_ptr<report::Report>& report, bool modal) {
    const ui::WaitCursor wait;  // the layout
    handler()->preview(report, modal);
}

void showPreviewWindow(const std::shared_ptr<report::Report>& report, bool modal) {
    // Saving and printing from the preview show their progress as the system's other long work does.
    report::setLongWork([](const QString& text, const std::function<void(const report::Progress&)>& work) {
        try {
            const std::unique_ptr<Progress> going = Prompts::progress(text);
            work(stepsOf(*going));
            return true;
        } catch (const Cancelled&) {
            return false;
        }
    });
    report::PreviewWindow* window = nullptr;
    {
        const std::unique_ptr<Progress> laying = Prompts::progress(kMontandoRelatorio);
        window = report::makePreview(report, workWindow(), stepsOf(*laying));
    }
    placeOverWorkspace(window);
    returnFocusOnClose(window);
    const ui::CursorPause pause;  // the user reads the preview
    report::showPreview(window, modal);
}

std::unique_ptr<Progress> progress(const QString& text, bool cancellable) {
    return std::make_unique<Tracked>(text, cancellable);
}

bool working() {
    watchWindows();
    return Tracked::active();
}

std::function<void(qint64, qint64)> stepsOf(Progress& progress) {
    return [&progress](qint64 done, qint64 total) { progress.step(done, total); };
}

void runAside(const QString& text, const std::function<void()>& work) {
    runAside(text, [&](const AsideProgress&) { work(); });
}

void runAside(const QString& text, const std::function<void(const AsideProgress& progress)>& work) {
    const std::unique_ptr<Progress> waiting = progress(text, false);
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<qint64> reached{0}, total{0};
    const AsideProgress told = [&](qint64 d, qint64 t) {
        total = t;
        reached = d;
    };
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(told);
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        done = true;
        finished.notify_one();
    });
    struct Joined {
        std::thread& thread;
        ~Joined() { thread.join(); }
    } joined{worker};
    for (;;) {
        {
            std::unique_lock lock(mutex);
            if (finished.wait_for(lock, std::chrono::milliseconds(kEventsEveryMs / 2), [&] { return done; }))
                break;
        }
        waiting->step(reached, total);
    }
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace Prompts
