// SPDX-License-Identifier: GPL-3.0-or-later
// The openers of the shell's menu actions: access control, work units, password, forms registry, about.
#include "shell/ShellForms.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "shell/forms/UFrmSistema.h"
#include "shell/login/ULogin.h"
#include "shell/login/UTracaSenha.h"
#include "shell/menu/UInformacaoSistema.h"
#include "shell/menu/UMenuPrincipal.h"
#include "shell/profiles/UGrupo.h"
#include "shell/profiles/URel_Perfil.h"
#include "shell/units/URelUnidade.h"
#include "shell/units/UUnidade.h"
#include "shell/users/URelUsuario.h"
#include "shell/users/UUsuario.h"

void registerShellForms() {
    registerOpener(QStringLiteral("actTrocaUsuario"), [] {
        frmLogin_2 = new TfrmLogin_2(frmMenuPrincipal);
        frmLogin_2->setModal(false);
        frmLogin_2->show();
    });
    registerOpener(QStringLiteral("actUnidade"), [] {
        frmUnidade = new TfrmUnidade;
        applyFormRights(frmUnidade, 1);
        showForm(frmUnidade, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actPerfil"), [] {
        frmGrupo = new TfrmGrupo;
        applyFormRights(frmGrupo, 2, {{}, {}, {}, {}, {}});  // the row is read; it hides nothing
        showForm(frmGrupo, ShowAs::Window);
    });
    registerOpener(QStringLiteral("actUsuario"), [] {
        frmUsuario = new TfrmUsuario;
        applyFormRights(frmUsuario, 3);
        showForm(frmUsuario, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actTrocaSenha"), [] {
        frmTracaSenha = new TfrmTracaSenha;
        showForm(frmTracaSenha, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actFormSistema"), [] {
        frmFrmSistema = new TfrmFrmSistema;
        showForm(frmFrmSistema, ShowAs::Window);
    });
    registerOpener(QStringLiteral("mnuSistema"), [] {
        frmInformacaoSistema = new TfrmInformacaoSistema;
        showForm(frmInformacaoSistema, ShowAs::MdiChild);
    });
    // Reports: each use makes a new report, which lives until its preview closes.
    registerOpener(QStringLiteral("actRelUnidadeTrabalho"),
                   [] { Prompts::preview(std::make_shared<TfrmRelUnidade>(), false); });
    registerOpener(QStringLiteral("actRelPerfil"), [] { Prompts::preview(std::make_shared<TfrmRel_Perfil>(), false); });
    registerOpener(QStringLiteral("actRelUsuario"), [] {
        try {
            Prompts::preview(std::make_shared<TfrmRelUsuario>(), false);
        } catch (const std::exception&) {
            Prompts::information(QStringLiteral("Erro ao executar relatório."));
        }
    });
}
