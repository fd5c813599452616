// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the light tree's timing benchmarks share: the busy processes they run beside the tree, and
// how they print a set of figures.

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace bench {

inline void Report(const char* what, std::vector<double> microseconds) {
    if (microseconds.empty()) {
        return;
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("%-46s %5zu samples, median %8.1f us, worst %8.1f us\n", what, microseconds.size(),
                microseconds[microseconds.size() / 2], microseconds.back());
}

// N processes that keep a core busy each, as a compile or a browser would, until StopBusy.
inline std::vector<pid_t> StartBusy(int count) {
    std::vector<pid_t> busy;
    for (int i = 0; i < count; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            volatile unsigned long spin = 0;
            for (;;) {
                spin = spin + 1;
            }
        }
        if (child > 0) {
            busy.push_back(child);
        }
    }
    return busy;
}

inline void StopBusy(const std::vector<pid_t>& busy) {
    for (const pid_t child : busy) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
}

} // namespace bench
