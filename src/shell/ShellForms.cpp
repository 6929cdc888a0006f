#include "shell/ShellForms.h"

#include "common/FormOpening.h"
#include "common/Prompts.h"
#include "shell/URelUnidade.h"
#include "shell/URelUsuario.h"
#include "shell/URel_Perfil.h"
#include "shell/ULogin.h"
#include "shell/UMenuPrincipal.h"
#include "shell/UUnidade.h"

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
