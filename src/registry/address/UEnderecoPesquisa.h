// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The street search of the street register: by street code or name, neighbourhood code or name. A chosen
// street is written into the address that opened the search, while that address is inserted or edited.

#include "registry/shared/PickDialog.h"

#include <QPointer>

class StreetTarget;

class TfrmEnderecoPesquisa : public PickDialog {
    Q_OBJECT
public:
    // `tag`: 1 the owner's address, 2 the animal's address of the owner form, 4 the animal-address form's.
    // `target` is the address it writes into, left alone once it is gone.
    TfrmEnderecoPesquisa(int tag, QObject* target, QWidget* parent = nullptr);

    // Creates the search into frmEnderecoPesquisa with the criterion and text, runs it when asked, shows it
    // (modal when asked: the other windows take no input until it closes).
    static TfrmEnderecoPesquisa* open(int tag, QObject* target, const QString& criterion, const QString& text,
                                      bool runNow, bool modal = false);

    int tag() const { return m_tag; }

    void search() override;  // &Pesquisar
    void choose() override;  // &OK: writes the current row into the target, closes

    QLineEdit* mkeTexto = textBox();
    QPushButton* btnPesquisar = searchButton();
    QPushButton* btnOK = okButton();
    QLabel* lblQuantidade = statusPanel(0);
    QLabel* lblCriterio = statusPanel(1);

private:
    StreetTarget* target() const;

    int m_tag;
    QPointer<QObject> m_target;
};

inline QPointer<TfrmEnderecoPesquisa> frmEnderecoPesquisa;
