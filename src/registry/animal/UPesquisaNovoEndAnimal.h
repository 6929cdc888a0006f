// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animal search of the animal-address form: by animal or owner name or code, or by microchip; OK puts
// the chosen animal to the form that opened it.

#include "registry/shared/PickDialog.h"

#include <QPointer>

class TfrmPesquisaNovoEndAnimal : public PickDialog {
    Q_OBJECT
public:
    explicit TfrmPesquisaNovoEndAnimal(QWidget* parent = nullptr);

    void search() override;  // &Pesquisar
    void choose() override;  // &OK
    // Says so when there is nothing to order; the count is shown again after the order.
    void sortBy(int column) override;

    QLineEdit* mkeTexto = textBox();
    QLabel* StatusBar1Panel0 = statusPanel(0);

signals:
    // OK on a row: its owner and animal.
    void animalChosen(int ownerId, int animalId);
};

inline QPointer<TfrmPesquisaNovoEndAnimal> frmPesquisaNovoEndAnimal;

namespace registry {
inline const QString kNadaOrdenar = QStringLiteral("Não há registro a ser ordenado!");
}  // namespace registry
