#pragma once
// The owner consult of the owner and animal register: active owners by owner, document, identity, street or
// animal data; the chosen owner (and animal) is loaded into the register that opened it, while it is open.

#include "registry/PickDialog.h"

#include <QPointer>

class TfrmPropAnimal;

class TfrmConsultaProprietario : public PickDialog {
    Q_OBJECT
public:
    explicit TfrmConsultaProprietario(TfrmPropAnimal* opener, QWidget* parent = nullptr);

    // Creates the consult for the register and shows it.
    static TfrmConsultaProprietario* open(TfrmPropAnimal* opener);

    void search() override;  // &Localizar
    void choose() override;  // &OK

    QLineEdit* edtTexto = textBox();
    QLabel* StatusBar1Panel0 = statusPanel(0);

private:
    QPointer<TfrmPropAnimal> m_opener;
};

inline QPointer<TfrmConsultaProprietario> frmConsultaProprietario;

namespace registry {
inline const QString kFaltaCampoTexto = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
inline const QString kNenhumRegistro = QStringLiteral("Nenhum registro localizado!");
}  // namespace registry
