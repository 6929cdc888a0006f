// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner picker of the animal transfer: finds owners by code, name, document or street and writes the
// current one, with the owner's animals, into one side of the form that opened it, by the object names of
// that side's boxes and list, for as long as that form is open.

#include "registry/shared/PickDialog.h"

#include <QPointer>

class QAction;

// The owner's address as the picker shows it: the parts that are not blank, in their order.
QString pickerAddress(const QString& type, const QString& street, const QString& number, const QString& complement,
                      const QString& neighbourhood);

class TfrmProprietarioPesquisa : public PickDialog {
    Q_OBJECT
public:
    // `side`: 1 the current owner's boxes, 2 the new owner's.
    TfrmProprietarioPesquisa(QWidget* target, int side, QWidget* parent = nullptr);

    // Creates the picker into frmProprietarioPesquisa and shows it in the work area.
    static TfrmProprietarioPesquisa* open(QWidget* target, int side);

    int side() const { return m_side; }

    void search() override;  // &Pesquisar
    void choose() override;  // &OK

    QLineEdit* edtTexto = textBox();
    QAction* actOK;

protected:
    void confirm() override;  // through actOK

private:
    void writeBoxes();
    void writeAnimals();

    QPointer<QWidget> m_target;
    int m_side;
};

inline QPointer<TfrmProprietarioPesquisa> frmProprietarioPesquisa;

namespace registry {
inline const QString kSelecioneCampo = QStringLiteral("Selecione o campo a ser pesquisado.");
inline const QString kDigiteTexto = QStringLiteral("Digite o texto à ser pesquisado.");
}  // namespace registry
