// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The users search: by code or by the beginning of the name; OK puts the users register on the user.

#include "shell/LocateDialog.h"

class TfrmUsuario;

class TfrmUsuarioConsultar : public LocateDialog {
    Q_OBJECT
public:
    explicit TfrmUsuarioConsultar(TfrmUsuario* form, QWidget* parent = nullptr);
};

inline QPointer<TfrmUsuarioConsultar> frmUsuarioConsultar;
