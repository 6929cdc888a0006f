// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts as a test answers them: messages recorded, questions answered from lists, long work counted.
#include "PromptRecorder.h"

#include "platform/files/Replacement.h"

#include <gtest/gtest.h>
#include <QGuiApplication>

namespace {

// Long work as a test sees it: its steps counted, "Cancelar" pressed where the test says.
class RecordedProgress : public Prompts::Progress {
public:
    RecordedProgress(PromptRecorder& recorder, bool cancellable) : m_recorder(recorder), m_cancellable(cancellable) {}
    void step(qint64, qint64) override {
        ++m_steps;
        if (m_recorder.duringWork)
            m_recorder.duringWork();
        if (m_cancellable && m_recorder.cancelAfterSteps >= 0 && m_steps >= m_recorder.cancelAfterSteps) {
            m_recorder.cancelAfterSteps = -1;
            throw Prompts::Cancelled{};
        }
    }
    void setText(const QString& text) override { m_recorder.progresses << text; }

private:
    PromptRecorder& m_recorder;
    bool m_cancellable;
    int m_steps = 0;
};

}  // namespace

PromptRecorder::PromptRecorder() { Prompts::setHandler(this); }
PromptRecorder::~PromptRecorder() { Prompts::setHandler(nullptr); }

QStringList PromptRecorder::texts() const {
    QStringList out;
    for (const auto& p : asked)
        out << p.text;
    return out;
}

void PromptRecorder::message(Prompts::Kind kind, const QString& title, const QString& text) {
    cursorDuringPrompt = cursorDuringPrompt || QGuiApplication::overrideCursor();
    asked.append({kind, title, text});
}

bool PromptRecorder::confirm(const QString& title, const QString& text) {
    cursorDuringPrompt = cursorDuringPrompt || QGuiApplication::overrideCursor();
    asked.append({Prompts::Kind::Confirmation, title, text});
    if (confirmations.isEmpty()) {
        ADD_FAILURE() << "unscripted confirmation: " << text.toStdString();
        return false;
    }
    return confirmations.takeFirst();
}

QString PromptRecorder::fileName(Prompts::Kind kind, const QString& caption, const QList<Prompts::FileType>& types,
                                 const QString& suggested) {
    asked.append({kind, caption, caption});
    fileDialogs.append({caption, types, suggested});
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unscripted file name: " << caption.toStdString();
        return {};
    }
    const QString typed = fileNames.takeFirst();
    return typed.isEmpty() || types.isEmpty() ? typed : files::withSuffix(typed, types.first().suffix);
}

void PromptRecorder::preview(const std::shared_ptr<report::Report>& report, bool modal) {
    asked.append({Prompts::Kind::Preview, {}, {}});
    previews.append({report, modal});
    if (showPreviews && !modal)
        Prompts::showPreviewWindow(report, false);
}

std::unique_ptr<Prompts::Progress> PromptRecorder::progress(const QString& text, bool cancellable) {
    progresses << text;
    return std::make_unique<RecordedProgress>(*this, cancellable);
}
