// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The light-tree loop's claim on the processor. While a LoopPriority lives, the thread that made it
// runs at the highest priority the machine grants without asking for a password, and it is given
// back when the LoopPriority goes. Each platform has its own file:
// - Linux: a nice level set directly where the process may (root, CAP_SYS_NICE, RLIMIT_NICE), else
//   asked of the desktop's RealtimeKit service on the system bus, else left as it was. Never real
//   time: the loop never sleeps, and a real-time thread that never sleeps would be throttled by the
//   kernel, would starve the X server on its core, and RealtimeKit's time limit would end the program.
// - Windows: the high priority class and the highest thread priority, which any user may take; the
//   real-time class would need administrator rights and would hold back the system's own input.

#include <QString>

// Lets any thread waiting for this core run now, and comes back at once when none is: a raised
// thread that never sleeps would otherwise keep the X server, and with it every press, waiting for
// as long as the scheduler's weights say (a quarter of a second at nice -20 against nice 0 on
// Linux). The loop calls it between polls; it neither sleeps nor blocks.
void GiveWayBetweenPolls();

class LoopPriority {
public:
    LoopPriority();
    ~LoopPriority();
    LoopPriority(const LoopPriority&) = delete;
    LoopPriority& operator=(const LoopPriority&) = delete;

    // How the thread's priority stands, for the timing figures: "nice -20, set directly",
    // "nice -15, granted by RealtimeKit", "nice 0, not raised (...)" or, on Windows, "high class,
    // highest thread, set directly".
    QString granted() const { return m_granted; }

private:
    bool SetDirectly();
    bool AskRealtimeKit();

    long m_thread;
    int m_before;
    // Windows: the process's priority class before, given back with the thread's priority.
    unsigned long m_classBefore = 0;
    QString m_granted;
};
