// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers every prompt from a script and keeps what was asked, so no test waits on a dialog.

#include "common/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct RecordedPrompt {
    Prompts::Kind kind;
    QString title;
    QString text;
};

struct RecordedFileDialog {
    QString caption;
    QList<Prompts::FileType> types;  // the filters offered, each with the suffix it gives a file
    QString suggested;               // the name and folder the dialog opens on
};

struct RecordedPreview {
    std::shared_ptr<report::Report> report;
    bool modal;
};

class PromptRecorder : public Prompts::Handler {
public:
    PromptRecorder();  // installs itself
    ~PromptRecorder() override;

    QList<RecordedPrompt> asked;
    QList<bool> confirmations;  // answers to the next confirmations, in order
    QStringList fileNames;      // names typed into the next file dialogs, in order; as the dialog does, the first
                                // type's suffix is put on a name that lacks it
    QList<RecordedPreview> previews;
    QList<RecordedFileDialog> fileDialogs;
    QStringList progresses;            // the texts of the long work shown, in order
    int cancelAfterSteps = -1;         // the user presses "Cancelar" at that step of the next cancellable work
    std::function<void()> duringWork;  // run at each step of long work (what a user might click meanwhile)
    bool cursorDuringPrompt = false;   // whether any prompt was asked under the wait cursor
    bool showPreviews = false;         // non-modal previews are recorded and shown in the program's own window

    QStringList texts() const;
    QString last() const { return asked.isEmpty() ? QString() : asked.last().text; }
    bool saw(const QString& text) const { return texts().contains(text); }
    void clear() {
        asked.clear();
        previews.clear();
        fileDialogs.clear();
        progresses.clear();
    }

    void message(Prompts::Kind kind, const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    QString fileName(Prompts::Kind kind, const QString& caption, const QList<Prompts::FileType>& types,
                     const QString& suggested) override;
    void preview(const std::shared_ptr<report::Report>& report, bool modal) override;
    std::unique_ptr<Prompts::Progress> progress(const QString& text, bool cancellable) override;
};

// The process end that the system asks for, thrown instead of ending the test program.
struct ProcessEnded {
    int code;
};
