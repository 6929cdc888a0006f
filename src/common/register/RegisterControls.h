// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls most registers' detail pages share: the grey key that the system makes, the name in
// capitals and the free-text description, each bound to its field.

#include "platform/db/DataSet.h"
#include "platform/ui/GridRows.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// "dbeCodigo": shows the key, never edits it.
QLineEdit* makeKeyEdit(QWidget* page, db::DataSet* data, const QString& field);

// A capitals-only edit of `field` where Enter acts as Tab.
QLineEdit* makeNameEdit(const QString& objectName, QWidget* page, db::DataSet* data, const QString& field,
                        int maxLength);

// "dbmDescricao": the description memo, capped at its column's width (0: a text column without one).
QPlainTextEdit* makeDescriptionMemo(QWidget* page, db::DataSet* data, const QString& field, int maxLength);

// "dbcAtivo": "Registro inativo.", storing "INATIVO" when ticked and "ATIVO" when clear.
QCheckBox* makeInactiveBox(QWidget* page, db::DataSet* data, const QString& field);

// The detail page's grid: "Código:", "Nome:" and "Descrição:" with their controls in its first three rows,
// the description growing with the page. A register adds its own rows below.
ui::GridRows layoutKeyNameDescription(QWidget* page, QWidget* key, QWidget* name, QWidget* description);
