// SPDX-License-Identifier: GPL-3.0-or-later
#include "../native_frame.h"

#include <QWidget>
#include <QWindow>

namespace desktop {

std::optional<QMargins> NativeFrameBeforeShow(QWidget* window) {
    // Windows draws the frame itself: Qt works it out from the window's styles as soon as the native
    // window exists, before it is shown.
    window->winId();
    const QWindow* handle = window->windowHandle();
    if (!handle) {
        return std::nullopt;
    }
    return handle->frameMargins();
}

} // namespace desktop
