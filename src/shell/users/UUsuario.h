// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 003 - the users register: the operators who may log in, with their unit, profile, login, password
// digest and the blocked and inactive flags. The owners' web accounts live in the same table.

#include "common/register/RegisterForm.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLineEdit;

class TfrmUsuario : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmUsuario(QWidget* parent = nullptr);

    // The register holds exactly that user, with the names of its profile and unit.
    void openUser(const QVariant& id);

    void cancel() override;  // also reloads every user

protected:
    QString selectAllSql() const override;
    void opening() override;
    bool validate() override;
    void beforePost(bool inserting) override;
    bool checkReferences(const QVariant& key) override;
    QString sortField(int column) const override;
    void print() override;
    void search() override;

private:
    // The constructor's parts: table, statements, defaults and grid; the unit, code, name and profile; the
    // login and password box; the blocked and inactive box; the page "Principal" laid out.
    void describeRegister();
    void createFields();
    QWidget* createAccess();
    QWidget* createFlags();
    void layoutPrincipal(QWidget* access, QWidget* flags);

    QComboBox* dblUnidade;
    QLineEdit* dbeCodigo;
    QLineEdit* dbeNome;
    QComboBox* dblPerfil;
    QLineEdit* dbeUsuario;
    QLineEdit* dbeSenha;
    QCheckBox* dbcBloqueado;
    QCheckBox* dbcInativo;
};

inline QPointer<TfrmUsuario> frmUsuario;
