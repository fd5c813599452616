// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame a real window system will put around a window not yet shown, asked the way that
// window system answers it; each platform has its own file.

#include <QMargins>

#include <optional>

class QWidget;

namespace desktop {

// Nothing when the frame cannot be known before the window is shown.
std::optional<QMargins> NativeFrameBeforeShow(QWidget* window);

} // namespace desktop
