// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The X11 side of the frame question: asks an EWMH window manager for the frame it will put around a
// window that is not yet mapped (_NET_REQUEST_FRAME_EXTENTS) and reads its answer
// (_NET_FRAME_EXTENTS). Qt's own connection is used; nothing else of the window is touched.

#include <QMargins>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace desktop {

// No margins when no window manager runs; nothing when it does not answer the question.
std::optional<QMargins> AskX11Frame(xcb_connection_t* connection, std::uint32_t window);

} // namespace desktop
