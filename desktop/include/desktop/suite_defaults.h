// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every program of the suite sets once at its start, after its application object is made and
// before its first window: its name, its desktop entry's name and the suite's version; the
// metric-compatible Liberation fonts in place of the Windows fonts the windows were drawn with where
// those are missing, so they keep their widths; and how a screen reader meets its windows. A
// top-level window made straight from QWidget (a form, the light tree) is announced as a window
// named by its caption, as dialogs and main windows already are; the program adds the interfaces
// of its own controls (a null one stands for none).

#include <QAccessible>

#include <initializer_list>

namespace desktop {

void InstallSuiteDefaults(const char* program,
                          std::initializer_list<QAccessible::InterfaceFactory> interfaces = {});

} // namespace desktop
