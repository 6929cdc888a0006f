// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 047 - the registry of the system's forms and reports: the rows the profiles grant and whose Tag the
// menu matches.

#include "common/register/RegisterForm.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TfrmFrmSistema : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmFrmSistema(QWidget* parent = nullptr);

protected:
    bool validate() override;

private:
    QLineEdit* dbeCodigo;
    QLineEdit* dbeNome;
    QPlainTextEdit* dbmDescricao;
    QLineEdit* dbeTag;
    QComboBox* dbcTipoForm;
    QCheckBox* dbcAtivo;
};

inline QPointer<TfrmFrmSistema> frmFrmSistema;
