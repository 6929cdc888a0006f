// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every modal interaction of the system: message boxes, yes/no questions, file names, report previews and the
// progress of long work. Production shows Qt dialogs; tests install a handler that answers from a script and
// keeps what was asked.

#include "platform/report/FileDialog.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace report {
class Report;
}

namespace Prompts {

inline const QString kMontandoRelatorio = QStringLiteral("Montando o relatório...");

enum class Kind { Information, Confirmation, Warning, Error, SaveFile, Preview };

// A kind of file a save dialog offers: its filter and the suffix that a file saved under it gets.
using FileType = report::FileType;
// The dBase tables the exports write.
inline const FileType kArquivoDbase{QStringLiteral("Arquivos dBase (*.dbf)"), QStringLiteral("dbf")};

// What Progress::step throws once the user has pressed "Cancelar": the work stops where it is and leaves
// nothing half-written (a file being written keeps its earlier content), and guarded() ends the action
// without a message. It is no std::exception, so the handlers' catches of failures let it pass.
struct Cancelled {};

// How far long work has gone.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` of `total` steps (total 0: not known). Throws Cancelled once the user has cancelled.
    virtual void step(qint64 done, qint64 total) = 0;
    // What the work is doing now.
    virtual void setText(const QString& text) = 0;
};

class Handler {
public:
    virtual ~Handler() = default;
    virtual void message(Kind kind, const QString& title, const QString& text) = 0;
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // The name of a file to save as one of `types`, with that type's suffix (files::withSuffix); empty when
    // cancelled.
    virtual QString fileName(Kind kind, const QString& caption, const QList<FileType>& types,
                             const QString& suggested) = 0;
    virtual void preview(const std::shared_ptr<report::Report>& report, bool modal) = 0;
    // The progress of long work; without "Cancelar" when not `cancellable`. By default nothing shows.
    virtual std::unique_ptr<Progress> progress(const QString& text, bool cancellable);
};

// Installs a handler (nullptr: the Qt dialogs again). The caller keeps ownership.
void setHandler(Handler* handler);
Handler* handler();

void information(const QString& text);  // one OK button, titled with the application's title
bool confirm(const QString& text);      // "Confirmação", buttons "&Sim" and "&Não"; true for Sim
void warning(const QString& text);      // "Aviso"
void error(const QString& text);        // "Erro"
// A save dialog opens in the user's documents folder (see report::savePathFor). The name it gives back ends
// in the suffix of the type chosen, so that the dialog's question about replacing a file is about the file
// the caller writes.
QString saveFileName(const QString& caption, const QList<FileType>& types, const QString& suggested = {});

// The report's preview, laid out under the wait cursor and with the progress of long work. Modal: returns
// when the preview closes. Non-modal: the other windows stay usable; the preview keeps the report alive
// until it closes. Throws Cancelled when the user cancels the layout: no preview then.
void preview(const std::shared_ptr<report::Report>& report, bool modal);
// The program's own preview window, as preview() shows it when no other handler answers: placed over the work
// area, and giving the focus back to the form in work when it closes.
void showPreviewWindow(const std::shared_ptr<report::Report>& report, bool modal);

// The progress of long work, from now until the object goes: the wait cursor at once, and a dialog with a
// bar (and "Cancelar" when `cancellable`) once the work has taken a moment. Meanwhile no other action runs
// (see guarded()). A progress made while another lives shows in the other's dialog, with its own text.
std::unique_ptr<Progress> progress(const QString& text, bool cancellable = true);
// Whether long work is under way.
bool working();
// A progress as the platform's pieces take it: a call per step, which may throw Cancelled.
std::function<void(qint64 done, qint64 total)> stepsOf(Progress& progress);

// Runs `work` on a thread of its own (work that touches no widget and no connection of another thread: the
// e-mail, the upgrade of the database on a connection it opens) and waits for it as for long work without
// "Cancelar", the window painted meanwhile; what the work throws is thrown here. The second form hands the
// work a function through which it tells, from its thread, how far it has gone.
using AsideProgress = std::function<void(qint64 done, qint64 total)>;
void runAside(const QString& text, const std::function<void()>& work);
void runAside(const QString& text, const std::function<void(const AsideProgress& progress)>& work);

}  // namespace Prompts
