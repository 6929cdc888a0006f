// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a menu action opens a form: the opener registered under the action's name creates the form into
// its global variable, hides what the profile's rights refuse and shows it (showForm() of
// common/FormWindows.h).

#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

// What each right that holds "N" hides, by object name (actions or widgets of the form).
struct RightsHiding {
    QStringList incluir{QStringLiteral("actAppend")};
    QStringList alterar{QStringLiteral("actEdit")};
    QStringList excluir{QStringLiteral("actDelete")};
    QStringList imprimir{QStringLiteral("actPrint")};
    QStringList shownWithRow;  // made visible whenever the profile has a row for the form
};

// Reads the logged-in profile's row for the form id and hides what each "N" refuses; without a row
// nothing is hidden. Returns whether a row was found.
bool applyFormRights(QWidget* form, int formId, const RightsHiding& hiding = {});

// Openers of the menu actions, by action name ("actUnidade").
using FormOpener = std::function<void()>;
void registerOpener(const QString& actionName, FormOpener opener);
FormOpener openerFor(const QString& actionName);

// Binds a form's own pop-up item or button action to the main window's menu action `name`: the item is
// enabled only while that menu item is (the logged-in profile's grant) and runs it. Without a main window
// (a form used on its own) the item runs the action's opener.
void bindToMenuAction(QAction* item, const QString& name);

// What the period-and-unit report selection starts for its Tag once the report parameters are set: each
// subsystem registers the reports of its own Tags.
void registerReportStarter(int tag, FormOpener start);
FormOpener reportStarterFor(int tag);
