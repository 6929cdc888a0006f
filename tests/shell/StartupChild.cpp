// SPDX-License-Identifier: GPL-3.0-or-later
// A first start in a process of its own, so that a test can kill it at any moment.
#include "shell/UdtmPrincipal.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("nurv"));
    try {
        prepareDatabases(configurationPath());
    } catch (const std::exception&) {
        return 1;
    }
    return 0;
}
