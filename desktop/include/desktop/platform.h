// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which display connection a program uses. The programs place their windows on the screen, which a
// native Wayland client cannot do: on a Wayland desktop they run through its X server (XWayland)
// when it has one, and natively only where it has none. A platform the user names stands.

namespace desktop {

// Call before the application object is made.
void PreferX11OnWayland();

} // namespace desktop
