// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profiles search: by code or by the beginning of the name; OK puts the profiles register on the
// profile, which reloads its rights list.

#include "shell/LocateDialog.h"

class TfrmGrupo;

class TfrmPerfilUsuarioPesquisa : public LocateDialog {
    Q_OBJECT
public:
    explicit TfrmPerfilUsuarioPesquisa(TfrmGrupo* form, QWidget* parent = nullptr);
};

inline QPointer<TfrmPerfilUsuarioPesquisa> frmPerfilUsuarioPesquisa;
