#pragma once
// Every modal interaction of the system: message boxes, yes/no questions, file names and report previews.
// Production shows Qt dialogs; tests install a handler that answers from a script and keeps what was asked.

#include <QString>
#include <memory>

namespace report {
class Report;
}

namespace Prompts {

enum class Kind { Information, Confirmation, Warning, Error, SaveFile, OpenFile, Preview };

// The file filter of the dBase tables the exports write.
inline const QString kFiltroDbase = QStringLiteral("Arquivos dBase (*.dbf)");

class Handler {
public:
    virtual ~Handler() = default;
    virtual void message(Kind kind, const QString& title, const QString& text) = 0;
    virtual bool confirm(const QString& title, const QString& text) = 0;
    virtual QString fileName(Kind kind, const QString& caption, const QString& filter, const QString& suggested) = 0;
    virtual void preview(const std::shared_ptr<report::Report>& report, bool modal) = 0;
};

// Installs a handler (nullptr: the Qt dialogs again). The caller keeps ownership.
void setHandler(Handler* handler);
Handler* handler();

void information(const QString& text);          // one OK button, titled with the application's title
bool confirm(const QString& text);              // "Confirmação", buttons "&Sim" and "&Não"; true for Sim
void warning(const QString& text);              // "Aviso"
void error(const QString& text);                // "Erro"
// A save dialog opens in the user's documents folder (see report::savePathFor).
QString saveFileName(const QString& caption, const QString& filter, const QString& suggested = {});
QString openFileName(const QString& caption, const QString& filter);

// The report's preview. Modal: returns when the preview closes. Non-modal: the other windows stay usable;
// the preview keeps the report alive until it closes.
void preview(const std::shared_ptr<report::Report>& report, bool modal);

}  // namespace Prompts
