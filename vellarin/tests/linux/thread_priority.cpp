// SPDX-License-Identifier: GPL-3.0-or-later
#include "../thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

QString ThreadPriority() {
    return QStringLiteral("nice %1").arg(getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid))));
}
