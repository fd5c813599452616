// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which window system a program draws through, chosen before the application object is made; a
// platform the user names (QT_QPA_PLATFORM) stands.
// - Linux: the programs place their windows on the screen, which a native Wayland client cannot do,
//   so on a Wayland desktop they run through its X server (XWayland) when it has one, and natively
//   only where it has none.
// - Windows: the native platform, its fonts drawn with DirectWrite, which draws bold and serif faces
//   as they are where the older engine substitutes a regular sans face.

namespace desktop {

void ChooseWindowSystem();

} // namespace desktop
