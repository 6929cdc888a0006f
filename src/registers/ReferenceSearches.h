// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search dialogs of procedure types, statuses and medicines.

#include "registers/ReferenceSearch.h"

const ReferenceSearchDialog& tipoProcedimentoPesquisa();
const ReferenceSearchDialog& atendimentoStatusPesquisa();
const ReferenceSearchDialog& medicamentoPesquisa();

#define NURV_REFERENCE_SEARCH_CONSTRUCTOR(Class, dialog) \
    explicit Class(RegisterForm* form, QWidget* parent = nullptr) : ReferenceSearch(dialog(), form, parent) {}

// Follows its current row in the procedure-type register.
class TfrmTipoProcedimentoPesquisa : public ReferenceSearch {
    Q_OBJECT
public:
    NURV_REFERENCE_SEARCH_CONSTRUCTOR(TfrmTipoProcedimentoPesquisa, tipoProcedimentoPesquisa)
};

class TfrmAtendimentoStatusPesquisa : public ReferenceSearch {
    Q_OBJECT
public:
    NURV_REFERENCE_SEARCH_CONSTRUCTOR(TfrmAtendimentoStatusPesquisa, atendimentoStatusPesquisa)
};

class TfrmMedicamentoPesquisa : public ReferenceSearch {
    Q_OBJECT
public:
    NURV_REFERENCE_SEARCH_CONSTRUCTOR(TfrmMedicamentoPesquisa, medicamentoPesquisa)
};

#undef NURV_REFERENCE_SEARCH_CONSTRUCTOR

inline QPointer<TfrmTipoProcedimentoPesquisa> frmTipoProcedimentoPesquisa;
inline QPointer<TfrmAtendimentoStatusPesquisa> frmAtendimentoStatusPesquisa;
inline QPointer<TfrmMedicamentoPesquisa> frmMedicamentoPesquisa;
