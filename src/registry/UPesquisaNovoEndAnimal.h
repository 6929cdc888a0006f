#pragma once
// The animal search of the animal-address form: by animal or owner name or code, or by microchip; OK puts
// the address form on the chosen animal with a new address, while that form is open.

#include "registry/PickDialog.h"

#include <QPointer>

class TfrmEndereco_Animal;

class TfrmPesquisaNovoEndAnimal : public PickDialog {
    Q_OBJECT
public:
    explicit TfrmPesquisaNovoEndAnimal(TfrmEndereco_Animal* target, QWidget* parent = nullptr);

    void search() override;  // &Pesquisar
    void choose() override;  // &OK
    // Says so when there is nothing to order; the count is shown again after the order.
    void sortBy(int column) override;

    QLineEdit* mkeTexto = textBox();
    QLabel* StatusBar1Panel0 = statusPanel(0);

private:
    QPointer<TfrmEndereco_Animal> m_target;
};

inline QPointer<TfrmPesquisaNovoEndAnimal> frmPesquisaNovoEndAnimal;

namespace registry {
inline const QString kNadaOrdenar = QStringLiteral("Não há registro a ser ordenado!");
}  // namespace registry
