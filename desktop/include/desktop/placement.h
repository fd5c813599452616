// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placing a top-level window by its outer rectangle, the frame that the window manager adds
// included: centred on the primary screen. On X11 the frame is asked of the window manager before
// the window is first shown, so the window appears where it belongs without a jump; where it cannot
// be known in advance, the window is placed again once it is shown and its frame is known.
// Knows nothing of what the windows show.

#include <QMargins>

#include <optional>

class QWidget;

namespace desktop {

// The frame the window manager will draw around the window: no margins where nothing frames
// windows, nothing where the frame cannot be known before the window is shown. Asking creates the
// window's native window, so its kind (flags) must be set first.
std::optional<QMargins> FrameBeforeShow(QWidget* window);

void CentreOuter(QWidget* window);

} // namespace desktop
