// SPDX-License-Identifier: GPL-3.0-or-later
#include <desktop/window_system.h>

#include <QByteArray>

namespace desktop {

void ChooseWindowSystem() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return;
    }
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (!wayland) {
        return;
    }
    // Each list is tried in order: the X server when the desktop names one, Wayland as the fallback.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland;xcb" : "xcb;wayland");
}

} // namespace desktop
