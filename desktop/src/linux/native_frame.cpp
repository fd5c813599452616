// SPDX-License-Identifier: GPL-3.0-or-later
#include "../native_frame.h"
#include "x11_frame.h"

#include <QGuiApplication>
#include <QWidget>

namespace desktop {

std::optional<QMargins> NativeFrameBeforeShow(QWidget* window) {
    // A Wayland compositor tells no client its frame, before or after.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return std::nullopt;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        return std::nullopt;
    }
    return AskX11Frame(x11->connection(), static_cast<std::uint32_t>(window->winId()));
}

} // namespace desktop
