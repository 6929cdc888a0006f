// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls the availability map's forms build alike: named buttons, edits and look-up combos, grid columns
// of names looked up by key and of date-times, and the field colours of a refusal (yellow), a locked field
// and an open one.

#include "platform/db/Query.h"
#include "platform/ui/DataGrid.h"

#include <QColor>
#include <QHash>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace availability {

QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// An edit where Enter acts as Tab.
QLineEdit* lineEdit(QWidget* parent, const char* name);
// A combo of a look-up list's rows (key, name, description): the name shown (in capitals when asked), the
// key as item data, the description as the hint of the chosen row; nothing chosen; Enter acts as Tab.
QComboBox* lookupCombo(QWidget* parent, const char* name, const db::RowSet& rows, bool capitals = true);
// The field's background: yellow after a refusal, the window colour when open, grey when locked.
void paint(QWidget* control, const QColor& colour);
QColor windowColour();

// A grid column showing the name that `names` gives the row's key in `field` (the hash is read when drawn).
ui::GridColumn nameColumn(const QString& title, int width, const QHash<int, QString>& names, const char* field);
// A grid column of a date-time as dd/mm/yyyy hh:mm:ss.
ui::GridColumn dateTimeColumn(const QString& title, int width, const char* field);

}  // namespace availability
