// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A full disk for a child process of a test: past a size, every write of the process fails as on a disk that
// has no room left (EFBIG rather than the signal that would end it).

#include <sys/resource.h>
#include <csignal>

inline void limitFileSize(rlim_t bytes) {
    if (bytes == 0)
        return;
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &size);
}
