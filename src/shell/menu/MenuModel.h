// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu as data: every item's caption, action name, Tag and place, and the rule that decides
// which items a profile may use.

#include <QList>
#include <QSet>
#include <QString>

struct MenuEntry {
    enum Kind { Action, Separator, SubmenuBegin, SubmenuEnd, MenuBegin };
    Kind kind;
    QString caption;     // menus, submenus and actions
    QString actionName;  // actions
    int tag = -1;
};

// The whole menu tree, top to bottom.
const QList<MenuEntry>& mainMenuEntries();

// Whether the menu item `actionName` opens a form or a report through its opener; the end of the program, the
// window arrangement and the manual do not.
bool opensForm(const QString& actionName);

// One row of the profile's rights joined to its form: the form's tag and the Visualizar right.
struct ProfileFormRow {
    int tag;
    QString visualizar;
};

// Tags the rows grant: every row's tag except -1, unless its Visualizar is "N" (that profile may not open
// the form, so its item stays withheld).
QSet<int> grantedTags(const QList<ProfileFormRow>& rows);

// The status bar's two panels as the main window's first showing writes them: "Unidade logada: " and the unit's
// name; the user's name, " - " and the profile's name.
QString statusPanelUnit(const QString& unitName);
QString statusPanelUser(const QString& userName, const QString& profileName);
// The same panels as the menu's configuration writes them, which alone runs after a switch of user:
// "Usuário logado: 1 - ANA MARIA(Operador)" and "Unidade: 2 - Norte".
QString sessionPanelUser(const QString& userId, const QString& userName, const QString& profileName);
QString sessionPanelUnit(const QString& unitId, const QString& unitName);
