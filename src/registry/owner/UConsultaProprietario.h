// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner consult of the owner and animal register: active owners by owner, document, identity, street or
// animal data; the chosen owner (and animal) is handed to the register that opened it.

#include "registry/shared/PickDialog.h"

#include <QPointer>
#include <functional>

class TfrmConsultaProprietario : public PickDialog {
    Q_OBJECT
public:
    // Takes the owner and the animal chosen (0 for none); false when the register kept what it shows, so the
    // consult stays open.
    using Taker = std::function<bool(int ownerId, int animalId)>;

    explicit TfrmConsultaProprietario(Taker take, QWidget* parent = nullptr);

    // Creates the consult over the register and shows it.
    static TfrmConsultaProprietario* open(QWidget* opener, Taker take);

    void search() override;  // &Localizar
    void choose() override;  // &OK

    QLineEdit* edtTexto = textBox();
    QLabel* StatusBar1Panel0 = statusPanel(0);

private:
    Taker m_take;
};

inline QPointer<TfrmConsultaProprietario> frmConsultaProprietario;

namespace registry {
inline const QString kFaltaCampoTexto = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
inline const QString kNenhumRegistro = QStringLiteral("Nenhum registro localizado!");
}  // namespace registry
