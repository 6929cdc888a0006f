// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt lets no exception cross the event loop: every handler runs through guarded(), which shows an error it
// did not catch in the standard error box and leaves the form as it was. A handler runs under the wait
// cursor, which goes with it whatever way it ends; one the user cancelled (Prompts::Cancelled) ends without
// a message. While long work shows its progress, no other handler runs.

#include <QAction>
#include <exception>
#include <functional>

void guarded(const std::function<void()>& handler);

// Connects an action's trigger to a handler run through guarded().
void onTriggered(QAction* action, const std::function<void()>& handler);

// What a save that failed tells the operator: a row changed by another workstation, a busy database or a
// lost connection say so in their own words; any other failure gives the save's own message.
QString failureText(const std::exception& error, const QString& saveMessage);
