// SPDX-License-Identifier: GPL-3.0-or-later
// The password change, from the entry rules to the next login; and the forms registry and about box.

#include "AccessFixture.h"

#include "common/access/Session.h"
#include "shell/forms/UFrmSistema.h"
#include "shell/login/UTracaSenha.h"
#include "shell/menu/UInformacaoSistema.h"

#include <QCheckBox>
#include <QLabel>

namespace {

TEST(PasswordEntry, EachEntryIsCheckedInOrderAndBlanksCount) {
    const struct {
        const char *atual, *nova, *confirmacao, *refusal;
    } cases[] = {
        {"", "", "", "Falta digitar a senha atual."},
        {"A", "", "", "Falta digitar a senha nova."},
        {"A", "B", "", "Falta digitar a confirmação da nova senha."},
        {"A", "B", "C", "A confirmação da senha não confere com a nova senha."},
        {"A", "B ", "B", "A confirmação da senha não confere com a nova senha."},
        {"A", "   ", "   ", "Falta digitar a senha nova."},
        {" ", "B", "B", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passwordEntryRefusal(c.atual, c.nova, c.confirmacao), QString::fromUtf8(c.refusal)) << c.nova;
}

TEST_F(AccessTest, PasswordChangeVerifiesTheDigestAndTheNextLoginTakesTheNewPassword) {
    const int ana = addUser("ANA", "SENHA");
    const int bia = addUser("BIA", "SENHA");
    ASSERT_TRUE(logsIn("ANA", "SENHA"));
    ASSERT_EQ(UsuarioLogado, QString::number(ana));
    TfrmTracaSenha* form = open("actTrocaSenha", frmTracaSenha);
    auto attempt = [&](const QString& atual, const QString& nova) {
        type(form, "mkeSenhaAtual", atual);
        type(form, "mkeSenhaNova", nova);
        type(form, "mkeConfirmaSenhaNova", nova);
        form->findChild<QPushButton*>("bmpOK")->click();
        return prompts.last();
    };
    EXPECT_EQ(attempt("", ""), "Falta digitar a senha atual.");
    EXPECT_EQ(attempt("ERRADA", "NOVA"), "Senha atual não confere.");
    EXPECT_EQ(attempt("X' OR '1'='1", "NOVA"), "Senha atual não confere.");
    EXPECT_EQ(digestOf(ana), GeraHashSenha("SENHA"));
    EXPECT_EQ(digestOf(bia), GeraHashSenha("SENHA"));

    EXPECT_EQ(attempt(" senha ", "nova"), "Operação realizada com sucesso!");
    EXPECT_TRUE(form->isVisible()) << "the form stays open";
    EXPECT_EQ(digestOf(ana), GeraHashSenha("NOVA"));
    EXPECT_EQ(digestOf(bia), GeraHashSenha("SENHA"));
    EXPECT_EQ(scalar("select count(*) from usuario where Senha = 'PLAIN'").toInt(), 2) << "the plain column untouched";
    EXPECT_EQ(scalar("select Modificado_Por from usuario where id_usuario = :id", {{"id", ana}}).toInt(), ana);
    EXPECT_FALSE(logsIn("ANA", "SENHA"));
    EXPECT_TRUE(logsIn("ANA", "NOVA"));
}

TEST_F(AccessTest, FormsRegistryKeysStatusAndTheDeleteOfAGrantedForm) {
    exec("delete from form");
    TfrmFrmSistema* form = open("actFormSistema", frmFrmSistema);
    EXPECT_FALSE(form->findChild<QAction*>("actPrint")->isVisible());
    EXPECT_FALSE(form->findChild<QAction*>("actPesquisar")->isVisible());
    EXPECT_FALSE(form->qryPrincipal->isActive()) << "nothing is opened on show";
    EXPECT_FALSE(form->findChild<QAction*>("actDelete")->isEnabled()) << "Excluir cannot be pressed on an empty table";

    trigger(form, "actAppend");
    EXPECT_EQ(form->qryPrincipal->str("Ind_Status"), "ATIVO");
    EXPECT_FALSE(form->findChild<QCheckBox*>("dbcAtivo")->isChecked());
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta preencher o nome do formulário!");
    type(form, "dbeNome", "tfrmnovo");  // no type, no tag
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    trigger(form, "actAppend");
    type(form, "dbeNome", "TFRMOUTRO");
    type(form, "dbeTag", "12");
    trigger(form, "actPost");
    trigger(form, "actRefresh");
    EXPECT_EQ(column(*form->qryPrincipal, "Id_Form"), QStringList({"1", "2"}));
    EXPECT_EQ(scalar("select Tag from form where Id_Form = 2").toInt(), 12);

    // A granted form: the question first, then the refusal; a form no profile grants goes on Sim.
    exec("insert into perfil_form values (10, 2, 'S', 'S', 'S', 'S', 'S')");
    const QString question = "O registro será excluído definitivamente.\nDeseja continuar?";
    form->qryPrincipal->last();
    prompts.clear();
    prompts.confirmations = {false, true};
    trigger(form, "actDelete");
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.texts(), QStringList({question, question,
                                            "O formulário está sendo usado por um perfil e não pode ser excluído."}));
    EXPECT_EQ(count("form"), 2);
    form->qryPrincipal->first();
    prompts.clear();
    prompts.confirmations = {false, true};
    trigger(form, "actDelete");
    EXPECT_EQ(count("form"), 2);
    trigger(form, "actDelete");
    EXPECT_EQ(prompts.texts(), QStringList({question, question, "Operação realizada com sucesso!"}));
    EXPECT_EQ(count("form"), 1);
}

TEST_F(AccessTest, AboutBoxNamesTheDatabaseItWorksOn) {
    TfrmInformacaoSistema* about = open("mnuSistema", frmInformacaoSistema);
    const QString line = about->findChild<QLabel*>("lblServidor")->text();
    const db::Settings s = db::settings();
    if (testingPostgres())
        EXPECT_TRUE(line.startsWith("Servidor NURV: " + s.host) && line.endsWith("/" + s.database))
            << line.toStdString();
    else
        EXPECT_TRUE(QFile::exists(line.mid(QString("Servidor NURV: ").size()))) << line.toStdString();
    db::Settings remote{db::Engine::PostgreSQL, {}, "srv", 5433, "nurv", "u", "p"};
    EXPECT_EQ(serverLine(remote), "Servidor NURV: srv:5433/nurv");
    remote.port = 5432;
    EXPECT_EQ(serverLine(remote), "Servidor NURV: srv/nurv");
}

}  // namespace
