#include "shell/NurvApp.h"

#include "shell/UMenuPrincipal.h"
#include "shell/ULogin.h"
#include "shell/UdtmPrincipal.h"
#include "shell/ShellForms.h"

#include <memory>

int runNurv(QApplication& app) {
    app.setApplicationName(QStringLiteral("nurv"));
    app.setApplicationDisplayName(QStringLiteral("Nurvalia "));
    TdtmPrincipal dtmPrincipal;
    registerShellForms();

    auto main = std::make_unique<TfrmMenuPrincipal>();
    frmMenuPrincipal = main.get();
    {
        TfrmLogin_2 login;
        login.exec();
    }
    main->showMaximized();
    return app.exec();
}
