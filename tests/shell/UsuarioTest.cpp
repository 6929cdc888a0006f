// SPDX-License-Identifier: GPL-3.0-or-later
// The users register and its search: keys, passwords, names, owners' accounts.

#include "AccessFixture.h"

#include "shell/users/UUsuario.h"
#include "shell/users/UUsuarioConsultar.h"

#include <QCheckBox>
#include <QTableView>

namespace {

class UsuarioTest : public AccessTest {
protected:
    TfrmUsuario* openForm() { return open("actUsuario", frmUsuario); }
};

TEST_F(UsuarioTest, InsertRefusesADuplicateNameAndABlankPasswordThenReadsTheServerKeyBack) {
    addUser("jose");
    TfrmUsuario* form = openForm();
    trigger(form, "actAppend");
    choose(form, "dblUnidade", "CENTRAL");
    choose(form, "dblPerfil", "OPERADOR");
    type(form, "dbeNome", "José ");
    type(form, "dbeUsuario", "maria");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Já existe um usuário cadastrado com este nome.");

    type(form, "dbeNome", "MARIA");
    type(form, "dbeSenha", "   ");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta digitar a senha!");
    EXPECT_EQ(count("usuario"), 1);

    type(form, "dbeSenha", " segredo ");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    const int id = scalar("select max(id_usuario) from usuario").toInt();
    EXPECT_EQ(form->findChild<QLineEdit*>("dbeCodigo")->text(), QString::number(id));
    EXPECT_TRUE(form->findChild<QLineEdit*>("dbeSenha")->text().isEmpty());
    const db::RowSet row = db::run(db::kMain, "select * from usuario where id_usuario = :id", {{"id", id}});
    auto value = [&](const char* field) { return db::toText(row.row(0)[row.indexOrThrow(field)]); };
    EXPECT_EQ(value("senha_crip"), GeraHashSenha("SEGREDO")) << "typed in capitals, trimmed";
    EXPECT_EQ(value("Login"), "MARIA");
    EXPECT_EQ(value("Bloqueado") + value("Inativo") + value("Status_Registro"), "NAONAOATIVO");
    EXPECT_EQ(value("Id_Perfil"), "10");
    EXPECT_TRUE(logsIn("MARIA", "SEGREDO"));

    loginAsAdmin();
    trigger(form, "actRefresh");
    ASSERT_TRUE(form->qryPrincipal->locate("Id_Usuario", id));
    auto* grid = form->findChild<QTableView*>("dbgPrincipal");
    const int r = form->qryPrincipal->recNo();
    EXPECT_EQ(grid->model()->index(r, 4).data().toString(), "OPERADOR");
    EXPECT_EQ(grid->model()->index(r, 5).data().toString(), "CENTRAL");
    for (int column : {0, 1, 4, 5})  // the joined names sort by their keys, the rest by the user's own fields
        form->sortBy(column);
    EXPECT_FALSE(prompts.saw("Não foi possível ordenar por este campo."));
}

TEST_F(UsuarioTest, AnEditKeepsTheDigestUnlessAPasswordIsTyped) {
    const int ana = addUser("ANA", "SENHA");
    TfrmUsuario* form = openForm();
    form->openUser(ana);
    trigger(form, "actEdit");
    form->findChild<QCheckBox*>("dbcBloqueado")->click();
    form->findChild<QCheckBox*>("dbcBloqueado")->click();
    type(form, "dbeNome", "ANA MARIA");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(digestOf(ana), GeraHashSenha("SENHA"));
    EXPECT_TRUE(logsIn("ANA MARIA", "SENHA"));

    loginAsAdmin();
    trigger(form, "actEdit");
    type(form, "dbeSenha", "nova");
    trigger(form, "actPost");
    EXPECT_EQ(digestOf(ana), GeraHashSenha("NOVA"));
    EXPECT_FALSE(logsIn("ANA MARIA", "SENHA"));
    EXPECT_TRUE(logsIn("ANA MARIA", "NOVA"));
    EXPECT_EQ(scalar("select Senha from usuario where id_usuario = :id", {{"id", ana}}).toString(), "PLAIN");
}

TEST_F(UsuarioTest, OwnersWebAccountsAreListedButNotDeleted) {
    const int web = addUser("DONO WEB");
    exec("update usuario set Id_proprietario = 5 where id_usuario = :id", {{"id", web}});
    const int named = addUser("DONO NOMEADO");
    exec("insert into proprietario (Id_proprietario, id_usu_web) values (6, :id)", {{"id", named}});
    const int plain = addUser("OPERADOR");
    TfrmUsuario* form = openForm();
    trigger(form, "actRefresh");
    EXPECT_EQ(form->qryPrincipal->recordCount(), 3);

    prompts.confirmations = {true, true, true};
    for (int id : {web, named}) {
        form->openUser(id);
        trigger(form, "actDelete");
        EXPECT_EQ(prompts.last(), "Este usuário pertence a um proprietário e não pode ser excluído.");
    }
    EXPECT_EQ(count("usuario"), 3);

    form->openUser(web);  // an administrator may block an owner's account; its password stays
    trigger(form, "actEdit");
    form->findChild<QCheckBox*>("dbcBloqueado")->click();
    trigger(form, "actPost");
    EXPECT_EQ(scalar("select Bloqueado from usuario where id_usuario = :id", {{"id", web}}).toString(), "SIM");
    EXPECT_EQ(digestOf(web), GeraHashSenha("SENHA"));

    form->openUser(plain);
    prompts.clear();
    trigger(form, "actDelete");
    EXPECT_EQ(
        prompts.texts(),
        QStringList(
            {QString("Você esta preste a deletar a definitivamento o usuário nº: %1\n deseje continuar?").arg(plain),
             "Operação realizada com sucesso!"}));
    EXPECT_EQ(count("usuario"), 2);
}

TEST_F(UsuarioTest, SearchFindsByCodeOrFoldedNamePrefixAndPutsTheRegisterOnTheUser) {
    const int ana = addUser("ÁNGELA");
    addUser("ANTONIO");
    addUser("BRUNO");
    TfrmUsuario* form = openForm();
    trigger(form, "actPesquisar");
    QPointer<TfrmUsuarioConsultar> search = frmUsuarioConsultar;
    search->bmpLocalizar->click();
    EXPECT_EQ(prompts.last(), "Falta selecionar o campo ou o texto para a pesquisa. ");

    search->cbbSelecao->setCurrentText("Código");
    QTest::keyClicks(search->edtTexto, "12A");
    search->bmpLocalizar->click();
    EXPECT_EQ(search->qryPrincipal->recordCount(), 0) << "a code that is no number finds nothing";
    EXPECT_EQ(search->findChild<QLabel*>("StatusBar1Panel0")->text(), "0 registros encontrado.");

    search->cbbSelecao->setCurrentText("Nome");
    search->edtTexto->setText("AN");
    search->bmpLocalizar->click();
    EXPECT_EQ(search->qryPrincipal->recordCount(), 2) << "ÁNGELA and ANTONIO";
    ASSERT_TRUE(search->qryPrincipal->locate("id_usuario", ana));
    search->bmpOK->click();
    EXPECT_FALSE(search->isVisible()) << "the dialog closes";
    EXPECT_EQ(column(*form->qryPrincipal, "Id_Usuario"), QStringList({QString::number(ana)}));
    EXPECT_EQ(form->qryPrincipal->str("nome_perfil"), "OPERADOR");

    trigger(form, "actPesquisar");
    frmUsuarioConsultar->bmpOK->click();
    EXPECT_EQ(prompts.last(), "Nenhum registro localizado!");
}

}  // namespace
