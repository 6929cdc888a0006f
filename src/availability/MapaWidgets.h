#pragma once
// Controls the availability map's forms build alike: named buttons, edits and look-up combos, grid columns
// of names looked up by key and of date-times, and the field colours of a refusal (yellow), a locked field and an open one.

#include "platform/db/Query.h"
#include "platform/ui/DataGrid.h"

#include <QColor>
#include <QHash>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace mapa {

QPushButton* botao(QWidget* parent, const char* name, const QString& caption);
// An edit where Enter acts as Tab.
QLineEdit* edicao(QWidget* parent, const char* name);
// A combo of a look-up list's rows (key, name, description): the name shown (in capitals when asked), the
// key as item data, the description as the hint of the chosen row; nothing chosen; Enter acts as Tab.
QComboBox* listaCombo(QWidget* parent, const char* name, const db::RowSet& rows, bool maiusculas = true);
// The field's background: yellow after a refusal, the window colour when open, grey when locked.
void pinta(QWidget* control, const QColor& colour);
QColor corJanela();

// A grid column showing the name that `nomes` gives the row's key in `campo` (the hash is read when drawn).
ui::GridColumn colunaNome(const QString& titulo, int largura, const QHash<int, QString>& nomes, const char* campo);
// A grid column of a date-time as dd/mm/yyyy hh:mm:ss.
ui::GridColumn colunaDataHora(const QString& titulo, int largura, const char* campo);

}  // namespace mapa
