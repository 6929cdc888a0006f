// SPDX-License-Identifier: GPL-3.0-or-later
// The handler guard: the wait cursor, the standard error box and the refusal of actions during long work.
#include "common/Guard.h"

#include "common/Prompts.h"
#include "platform/db/Database.h"
#include "platform/ui/WaitCursor.h"

void guarded(const std::function<void()>& handler) {
    // Long work lets the window repaint; what the user clicks meanwhile is not for now.
    if (Prompts::working())
        return;
    const ui::WaitCursor wait;
    try {
        handler();
    } catch (const Prompts::Cancelled&) {
        // The user pressed "Cancelar": the work stopped where it was, and nothing more is to be said.
    } catch (const db::Error& e) {
        Prompts::error(e.text());
    } catch (const std::exception& e) {
        Prompts::error(QString::fromUtf8(e.what()));
    }
}

void onTriggered(QAction* action, const std::function<void()>& handler) {
    QObject::connect(action, &QAction::triggered, action, [handler] { guarded(handler); });
}

QString failureText(const std::exception& error, const QString& saveMessage) {
    const auto* failure = dynamic_cast<const db::Error*>(&error);
    return failure && failure->kind() != db::Error::Kind::Refused && failure->kind() != db::Error::Kind::KeyConflict
               ? failure->text()
               : saveMessage;
}
