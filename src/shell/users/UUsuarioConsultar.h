// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The users search: by code or by the beginning of the name; OK hands the user's code back by chosen(), on
// which the users register shows the user.

#include "shell/shared/LocateDialog.h"

class TfrmUsuarioConsultar : public LocateDialog {
    Q_OBJECT
public:
    explicit TfrmUsuarioConsultar(QWidget* parent = nullptr);
};

inline QPointer<TfrmUsuarioConsultar> frmUsuarioConsultar;
