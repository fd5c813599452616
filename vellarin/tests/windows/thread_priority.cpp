// SPDX-License-Identifier: GPL-3.0-or-later
#include "../thread_priority.h"

#include <windows.h>

QString ThreadPriority() {
    return QStringLiteral("class %1, thread %2")
        .arg(GetPriorityClass(GetCurrentProcess()))
        .arg(GetThreadPriority(GetCurrentThread()));
}
