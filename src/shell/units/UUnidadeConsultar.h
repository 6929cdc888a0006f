// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work-unit search: finds a unit by code or by the beginning of its name as the user types and keeps
// the register that opened it on the unit found.

#include "common/register/SearchDialog.h"

class TfrmUnidade;

class TfrmUnidadeConsultar : public SearchDialog {
    Q_OBJECT
public:
    // Works on `unidade` for as long as that register stays open.
    explicit TfrmUnidadeConsultar(TfrmUnidade* unit, QWidget* parent = nullptr);

    TfrmUnidade* unit() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edtTextoKeyUp();

    bool m_shown = false;
};

inline QPointer<TfrmUnidadeConsultar> frmUnidadeConsultar;
