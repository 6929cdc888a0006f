// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 001 - the work-unit register: the centre's sites, to which users, professionals, schedules and
// attendances are tied.

#include "common/register/RegisterForm.h"

#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class TfrmUnidade : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmUnidade(QWidget* parent = nullptr);

    QLineEdit* dbeCodigo;
    QLineEdit* dbeNome;
    QPlainTextEdit* dbmDescricao;
    QCheckBox* dbcAtivo;

protected:
    bool validate() override;
    void print() override;
    void search() override;
};

inline QPointer<TfrmUnidade> frmUnidade;
