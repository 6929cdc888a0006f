// SPDX-License-Identifier: GPL-3.0-or-later
// The work-unit, user and profile reports, and their menu actions.
#include "ShellFixture.h"

#include "ReportText.h"
#include "common/ReportParts.h"
#include "common/access/FormOpening.h"
#include "platform/report/Output.h"
#include "shell/ShellForms.h"
#include "shell/profiles/URel_Perfil.h"
#include "shell/units/URelUnidade.h"
#include "shell/users/URelUsuario.h"

class ShellReports : public ShellTest {};

TEST_F(ShellReports, EmptyTablesStillPrintHeadingSummaryAndFooter) {
    exec("delete from unidade_trabalho");
    TfrmRelUnidade units;
    const report::Document doc = units.layout();
    ASSERT_EQ(doc.pageCount(), 1);
    const QString t = printedText(units);
    for (const char* s : {"Nurvalia - NURV", "REL025", "Unidade de Trabalho", "Total de registro:", "Pag.:"})
        EXPECT_TRUE(t.contains(s)) << s;
    EXPECT_TRUE(printedLines(units).contains("Total de registro: 0")) << t.toStdString();

    exec("delete from perfil");
    TfrmRel_Perfil profiles;
    EXPECT_TRUE(doc.pageSize.height() > doc.pageSize.width());
    EXPECT_TRUE(profiles.layout().isLandscape());
    EXPECT_TRUE(printedText(profiles).contains("Visualizar:"));

    TfrmRelUsuario users;
    EXPECT_TRUE(printedLines(users).contains("Total de usuário: 0")) << printedText(users).toStdString();
    EXPECT_TRUE(printedText(users).contains("Unidade de trabalho:"));
}

TEST_F(ShellReports, WorkUnitsPrintIdNameStatusAndCount) {
    exec("update unidade_trabalho set Descricao = 'Sede do centro' where Id_Unidade_Trabalho = 1");
    TfrmRelUnidade units;
    const QStringList l = printedLines(units);
    const QString t = printedText(units);
    EXPECT_TRUE(t.contains("1 - Central")) << t.toStdString();
    EXPECT_TRUE(t.contains("Registro: INATIVO"));
    EXPECT_TRUE(t.contains("Sede do centro"));
    EXPECT_TRUE(l.contains("Total de registro: 4")) << t.toStdString();
}

TEST_F(ShellReports, UsersRewriteFlagsAndLookUpNames) {
    // Wide letters: the unit's first forty characters and a long user's name go on over further lines.
    exec("update unidade_trabalho set Nome = :n where Id_Unidade_Trabalho = 2",
         {{"n", "UNIDADE DE SAUDE WANDERLEY ALBUQUERQUE MAG FIM"}});
    const int maria = addUser("MARIA CONCEICAO DOS SANTOS WANDERLEY ALBUQUERQUE", "maria", 2, "S", "S", "N");
    addUser("Ana", "ana", 1, "S", "S", "N");
    addUser("Beto", "beto", 2, "S", "NAO", "SIM", "ATIVO", 999);  // profile that does not exist
    TfrmRelUsuario users;
    const QString t = printedText(users);
    EXPECT_TRUE(t.contains("- ANA")) << t.toStdString();
    EXPECT_TRUE(t.contains("Sim")) << t.toStdString();
    EXPECT_TRUE(t.contains("Não"));
    EXPECT_TRUE(t.contains("NAO"));
    EXPECT_TRUE(t.contains("SIM"));
    EXPECT_TRUE(t.contains("Operador"));
    const QStringList items = printedItems(users);
    EXPECT_TRUE(items.contains("UNIDADE DE SAUDE WANDERLEY ALBUQUERQUE M")) << items.join('|').toStdString();
    EXPECT_FALSE(t.contains("FIM"));
    EXPECT_TRUE(items.contains(QString("%1 - MARIA CONCEICAO DOS SANTOS WANDERLEY ALBUQUERQUE").arg(maria)))
        << items.join('|').toStdString();
    EXPECT_TRUE(printedLines(users).contains("Total de usuário: 3"));
    EXPECT_EQ(yesNo("S"), "Sim");
    EXPECT_EQ(yesNo("N"), "Não");
    EXPECT_EQ(yesNo("NAO"), "NAO");
}

TEST_F(ShellReports, ProfilesGroupRightsAndMarkMissingForms) {
    exec("update perfil set Descricao = 'Atende o balcão' where Id_Perfil = 10");
    exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (1, 'Cadastro de unidade', 'F', 1)");
    exec("insert into form (Id_Form, Nome, Tipo_Form, tag) values (25, 'Relatorio de unidades', 'R', 25)");
    for (int form : {1, 25, 999})
        exec(
            R"(
                insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
                values (10, :f, 'S', 'N', 'S', 'N', 'S')
            )",
            {{"f", form}});
    TfrmRel_Perfil profiles;
    const QString t = printedText(profiles);
    EXPECT_TRUE(t.contains("Operador")) << t.toStdString();
    EXPECT_TRUE(t.contains("Descrição: Atende o balcão"));
    EXPECT_TRUE(t.contains("Formulário :Cadastro de unidade"));
    EXPECT_TRUE(t.contains("Relatório :Relatorio de unidades"));
    EXPECT_TRUE(t.contains("-----------------"));
    EXPECT_EQ(rightsFormName("X", "Y"), "-----------------");
    EXPECT_EQ(t.count("Descrição:"), 1);
}

TEST_F(ShellReports, MenuActionsOpenNonModalPreviewsAndReportAFailure) {
    registerShellForms();
    for (const char* action : {"actRelUnidadeTrabalho", "actRelPerfil", "actRelUsuario"})
        openerFor(action)();
    ASSERT_EQ(prompts.previews.size(), 3);
    for (const auto& p : prompts.previews)
        EXPECT_FALSE(p.modal);
    EXPECT_TRUE(prompts.previews[2].report->layout().pageCount() >= 1);

    exec("alter table usuario rename to usuario_fora");
    openerFor("actRelUsuario")();
    exec("alter table usuario_fora rename to usuario");
    EXPECT_EQ(prompts.last(), "Erro ao executar relatório.");
    EXPECT_EQ(prompts.previews.size(), 3);
}
