// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work-unit search: finds a unit by code or by the beginning of its name as the user types and keeps
// the register that opened it on the unit found.

#include "common/register/SearchDialog.h"

class TfrmUnidadeConsultar : public SearchDialog {
    Q_OBJECT
public:
    // Works on `unit`, the work-unit register, for as long as that register stays open: it knows the
    // register only as a register form.
    explicit TfrmUnidadeConsultar(RegisterForm* unit, QWidget* parent = nullptr);

    RegisterForm* unit() const { return target(); }  // null once the register has closed

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edtTextoKeyUp();

    bool m_shown = false;
};

inline QPointer<TfrmUnidadeConsultar> frmUnidadeConsultar;
