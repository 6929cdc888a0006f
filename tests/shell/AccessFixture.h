// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Users, profiles and the forms registry for the access-control registers, and the login dialog driven
// as a user would, to prove which password a user logs in with.

#include "UnidadeFixture.h"

#include "common/access/PasswordDigest.h"
#include "shell/login/ULogin.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class AccessTest : public UnidadeTest {
protected:
    void SetUp() override {
        UnidadeTest::SetUp();
        addUnit(1, "CENTRAL");
        exec("insert into perfil (Id_Perfil, Nome, Descricao, Ind_Status) values (10, 'OPERADOR', 'Atende', 'ATIVO')");
        exec(
            R"(
                insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag)
                values (1, 'TFRMUNIDADE', 'Unidades', 'F', 1)
            )");
        exec(
            R"(
                insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag)
                values (3, 'TFRMUSUARIO', 'Usuários', 'F', 3)
            )");
        exec(
            R"(
                insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag)
                values (27, 'TFRMRELUSUARIO', 'Relatório', 'R', 27)
            )");
    }

    int addUser(const QString& nome, const QString& password = "SENHA", int perfil = 10) {
        db::Query q;
        q << "insert into usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, Senha, senha_crip, Bloqueado, Inativo)"
          << " values (1, :p, :n, :n, 'PLAIN', :d, 'NAO', 'NAO') returning Id_Usuario";
        q.bind("p", perfil).bind("n", nome).bind("d", GeraHashSenha(password));
        q.exec();
        return q.integer("Id_Usuario");
    }

    QString digestOf(int id) {
        return scalar("select senha_crip from usuario where id_usuario = :id", {{"id", id}}).toString();
    }

    // Whether the login dialog lets `nome` of unit 1 in with `password`.
    bool logsIn(const QString& nome, const QString& password) {
        TfrmLogin_2 login;
        login.FormShow();
        auto pick = [](QComboBox* combo, const QString& text) {
            const int i = combo->findText(text);
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return i >= 0;
        };
        if (!pick(login.findChild<QComboBox*>("dblUnidade"), "1 - CENTRAL") ||
            !pick(login.findChild<QComboBox*>("dblUsuario"), nome))
            return false;
        login.findChild<QLineEdit*>("edtSenha")->setText(password);
        login.findChild<QPushButton*>("bmpOK")->click();
        return login.succeeded();
    }

    static void type(QWidget* form, const char* edit, const QString& text) {
        auto* line = form->findChild<QLineEdit*>(edit);
        ASSERT_NE(line, nullptr) << edit;
        line->clear();
        line->insert(text);  // as typed: through the edit's validator
    }

    static void choose(QWidget* form, const char* combo, const QString& text) {
        auto* box = form->findChild<QComboBox*>(combo);
        ASSERT_NE(box, nullptr) << combo;
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }

    template <class Form>
    static Form* open(const char* action, QPointer<Form>& global) {
        openerFor(action)();
        return global;
    }
};
