// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calling thread's priority as the system reads it, apart from what the loop says it asked
// for: "nice -20" on Linux, "class 128, thread 2" (the numbers of the Windows API) on Windows.

#include <QString>

QString ThreadPriority();
