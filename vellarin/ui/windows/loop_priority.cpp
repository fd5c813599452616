// SPDX-License-Identifier: GPL-3.0-or-later
#include "../loop_priority.h"

#include <windows.h>

void GiveWayBetweenPolls() {
    // Runs a thread that is ready on this processor, if there is one; returns at once otherwise.
    SwitchToThread();
}

LoopPriority::LoopPriority()
    : m_thread(0)
    , m_before(GetThreadPriority(GetCurrentThread()))
    , m_classBefore(GetPriorityClass(GetCurrentProcess())) {
    const bool raised = SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS) &&
                        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    m_granted = raised ? QStringLiteral("high class, highest thread, set directly")
                       : QStringLiteral("not raised (error %1)").arg(GetLastError());
}

LoopPriority::~LoopPriority() {
    SetThreadPriority(GetCurrentThread(), m_before);
    if (m_classBefore != 0) {
        SetPriorityClass(GetCurrentProcess(), m_classBefore);
    }
}
