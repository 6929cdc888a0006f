// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up.
#include "shell/NurvApp.h"

#include "shell/ShellForms.h"
#include "shell/UdtmPrincipal.h"
#include "shell/login/ULogin.h"
#include "shell/menu/UMenuPrincipal.h"

#include <QDebug>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <memory>

QTranslator* installQtTranslations(QCoreApplication& app) {
    auto translator = std::make_unique<QTranslator>(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder) ||
        !app.installTranslator(translator.get())) {
        qWarning().noquote() << QStringLiteral("qtbase_pt_BR.qm não encontrado em %1").arg(folder);
        return nullptr;
    }
    return translator.release();
}

QIcon programIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons/hicolor"), {QStringLiteral("nurv.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

int runNurv(QApplication& app) {
    app.setApplicationName(QStringLiteral("nurv"));
    // The desktop finds the menu entry (nurv.desktop) and its icon for the program's windows by this name.
    app.setDesktopFileName(QStringLiteral("nurv"));
    app.setWindowIcon(programIcon());
    installQtTranslations(app);
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
