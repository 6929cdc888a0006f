// SPDX-License-Identifier: GPL-3.0-or-later
// The window sweeps run on a screen of 1366 by 768 without window frames, the smallest screen the program
// is used on, with the program's icon.
#include "shell/NurvApp.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    const QByteArray screen = R"({"windowframemargins": false,
        "screens": [{"name": "1366x768", "x": 0, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96}]})";
    if (!file.open(QIODevice::WriteOnly) || file.write(screen) < 0)
        return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=%1").arg(config).toLocal8Bit());
    QApplication app(argc, argv);
    app.setWindowIcon(programIcon());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
