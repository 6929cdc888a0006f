// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing of identification cards: an owner's animals found by the owner's code or name, and the card of
// the chosen animal previewed in either layout.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QTableView;

namespace registry {
inline const QString kFaltaTipoConsulta = QStringLiteral("Falta selecionar o tipo de consulta!");
inline const QString kFaltaTextoConsulta = QStringLiteral("Falta digitar o texto a ser consultado!");
inline const QString kProprietarioNaoEncontrado = QStringLiteral("Proprietário não encontrado!");
inline const QString kAnimalNaoEncontrado = QStringLiteral("Animal não encontrado.");
inline const QString kCodigoProprietarioInvalido = QStringLiteral("Valor inválido no campo \"Cód. proprietário\".");
}  // namespace registry

class TfrmSelRelCarteirinha : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelRelCarteirinha(QWidget* parent = nullptr);

    QComboBox* cbbSelecao;
    QLineEdit* edtTexto;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;

    void search();  // "&Localizar"
    void previewCard(bool portrait);
};

inline QPointer<TfrmSelRelCarteirinha> frmSelRelCarteirinha;
