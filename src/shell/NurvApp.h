// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>

class QIcon;
class QTranslator;

// The start-up: data module, main window, login, then the message loop. Returns the exit status.
int runNurv(QApplication& app);

// Qt's own dialogs (file, print, page set-up, colour) in Brazilian Portuguese: installs the pt_BR catalogue
// of Qt's base module, owned by `app`. Null when the catalogue is not installed (the dialogs stay in English).
QTranslator* installQtTranslations(QCoreApplication& app);

// The program's own icon in every size built into it, which every window of the program shows.
QIcon programIcon();
