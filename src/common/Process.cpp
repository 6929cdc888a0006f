// SPDX-License-Identifier: GPL-3.0-or-later
// The process's end: the handler a test installed, else an immediate exit with the status given.
#include "common/Process.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {
ProcessEndHandler g_handler;
}

void setProcessEndHandler(ProcessEndHandler handler) { g_handler = std::move(handler); }

void endProcess(int code) {
    if (g_handler)
        g_handler(code);
    std::_Exit(code);
}
