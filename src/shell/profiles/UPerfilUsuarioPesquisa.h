// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profiles search: by code or by the beginning of the name; OK hands the profile's code back by
// chosen(), on which the profiles register shows the profile and reloads its rights list.

#include "shell/shared/LocateDialog.h"

class TfrmPerfilUsuarioPesquisa : public LocateDialog {
    Q_OBJECT
public:
    explicit TfrmPerfilUsuarioPesquisa(QWidget* parent = nullptr);
};

inline QPointer<TfrmPerfilUsuarioPesquisa> frmPerfilUsuarioPesquisa;
