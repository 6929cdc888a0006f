// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ending the process where the system ends it (failed connection, failed authentication, the exit
// buttons). Tests install a handler that throws instead, so the ending can be observed.

#include <functional>

using ProcessEndHandler = std::function<void(int code)>;

void setProcessEndHandler(ProcessEndHandler handler);
[[noreturn]] void endProcess(int code);
