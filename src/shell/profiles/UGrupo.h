// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 002 - the profiles register: each profile with its forms and reports and the five rights on each,
// which the menu and the forms read for the logged-in user.

#include "common/register/RegisterForm.h"

#include <QPointer>

class QLineEdit;
class QPlainTextEdit;
class PerfilFormPage;

class TfrmGrupo : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmGrupo(QWidget* parent = nullptr);

protected:
    bool validate() override;
    void beforePost(bool inserting) override;
    void afterCommit(bool inserting) override;
    bool checkReferences(const QVariant& key) override;
    void deleteRow(const QVariant& key) override;
    void print() override;
    void search() override;

private:
    QLineEdit* dbeCodigo;
    QLineEdit* dbeNome;
    QPlainTextEdit* dbmDescricao;
    PerfilFormPage* tbsFormulario;
};

inline QPointer<TfrmGrupo> frmGrupo;
