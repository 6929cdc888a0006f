#pragma once
#include <QApplication>

// The start-up: data module, main window, login, then the message loop. Returns the exit status.
int runNurv(QApplication& app);
