#include "shell/ShellForms.h"

#include "common/FormOpening.h"
#include "shell/ULogin.h"
#include "shell/UMenuPrincipal.h"

void registerShellForms() {
    registerOpener(QStringLiteral("actTrocaUsuario"), [] {
        frmLogin_2 = new TfrmLogin_2(frmMenuPrincipal);
        frmLogin_2->setModal(false);
        frmLogin_2->show();
    });
}
