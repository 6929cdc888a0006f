#include "PromptRecorder.h"

#include <gtest/gtest.h>

PromptRecorder::PromptRecorder() { Prompts::setHandler(this); }
PromptRecorder::~PromptRecorder() { Prompts::setHandler(nullptr); }

QStringList PromptRecorder::texts() const {
    QStringList out;
    for (const auto& p : asked)
        out << p.text;
    return out;
}

void PromptRecorder::message(Prompts::Kind kind, const QString& title, const QString& text) {
    asked.append({kind, title, text});
}

bool PromptRecorder::confirm(const QString& title, const QString& text) {
    asked.append({Prompts::Kind::Confirmation, title, text});
    if (confirmations.isEmpty()) {
        ADD_FAILURE() << "unscripted confirmation: " << text.toStdString();
        return false;
    }
    return confirmations.takeFirst();
}

QString PromptRecorder::fileName(Prompts::Kind kind, const QString& caption, const QString& filter,
                                 const QString& suggested) {
    asked.append({kind, caption, caption});
    fileDialogs.append({caption, filter, suggested});
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unscripted file name: " << caption.toStdString();
        return {};
    }
    return fileNames.takeFirst();
}

void PromptRecorder::preview(const std::shared_ptr<report::Report>& report, bool modal) {
    asked.append({Prompts::Kind::Preview, {}, {}});
    previews.append({report, modal});
}
