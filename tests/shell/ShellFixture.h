// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "TestDatabase.h"

#include "common/access/PasswordDigest.h"

#include <QComboBox>

// Units, profiles and users that the login and menu tests share.
class ShellTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        addUnit(1, "Central", "ATIVO");
        addUnit(2, "Norte", "ATIVO");
        addUnit(3, "Fechada", "INATIVO");
        addUnit(15, "Quinze", "ATIVO");
        exec("insert into perfil (Id_Perfil, Nome, Ind_Status) values (10, 'Operador', 'ATIVO')");
        exec("insert into perfil (Id_Perfil, Nome, Ind_Status) values (1000, 'Administrador', 'ATIVO')");
    }

    void addUnit(int id, const QString& nome, const QString& status) {
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (:id, :n, :s)",
             {{"id", id}, {"n", nome}, {"s", status}});
    }

    int addUser(const QString& nome, const QString& login, int unit = 1, const QString& password = "SENHA",
                const QString& bloqueado = "NAO", const QString& inativo = "NAO", const QString& status = "ATIVO",
                int perfil = 10) {
        db::Query q;
        q << R"(
            insert into usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip, Bloqueado,
                Inativo, Status_Registro)
        )"
          << "values (:u, :p, :n, :l, :d, :b, :i, :s) returning Id_Usuario";
        q.bind("u", unit).bind("p", perfil).bind("n", nome).bind("l", login).bind("d", GeraHashSenha(password));
        q.bind("b", bloqueado).bind("i", inativo).bind("s", status);
        q.exec();
        return q.integer("Id_Usuario");
    }

    static void pick(QComboBox* combo, const QString& text) {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
};
