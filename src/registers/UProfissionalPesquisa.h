// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The professionals' search dialog: finds professionals by code or by the beginning of the name and puts
// the professional register that opened it on the chosen one.

#include "registers/ReferenceSearch.h"

#include <QPointer>

const ReferenceSearchDialog& profissionalPesquisa();

class TfrmProfissionalPesquisa : public ReferenceSearch {
    Q_OBJECT
public:
    explicit TfrmProfissionalPesquisa(RegisterForm* form, QWidget* parent = nullptr)
        : ReferenceSearch(profissionalPesquisa(), form, parent) {}
};

inline QPointer<TfrmProfissionalPesquisa> frmProfissionalPesquisa;
