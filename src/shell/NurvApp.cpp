#include "shell/NurvApp.h"

#include "shell/UMenuPrincipal.h"
#include "shell/ULogin.h"
#include "shell/UdtmPrincipal.h"
#include "shell/ShellForms.h"

#include <QScreen>
#include <memory>

int runNurv(QApplication& app) {
    app.setApplicationName(QStringLiteral("nurv"));
    TdtmPrincipal dtmPrincipal;
    registerShellForms();

    auto main = std::make_unique<TfrmMenuPrincipal>();
    frmMenuPrincipal = main.get();
    {
        TfrmLogin_2 login;
        login.exec();
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main->setGeometry(screen->availableGeometry());
    main->showMaximized();
    return app.exec();
}
