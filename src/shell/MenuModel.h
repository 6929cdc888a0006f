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

// One row of the profile's rights joined to its form: the form's tag and the Visualizar right.
struct ProfileFormRow {
    int tag;
    QString visualizar;
};

// Tags the rows grant: every row's tag except -1, unless its Visualizar is "N" (that profile may not open
// the form, so its item stays withheld).
QSet<int> grantedTags(const QList<ProfileFormRow>& rows);

// Status bar texts.
QString statusPanelUser(const QString& usuario, const QString& nome, const QString& perfil);
QString statusPanelUnit(const QString& unidade, const QString& nomeUnidade);
