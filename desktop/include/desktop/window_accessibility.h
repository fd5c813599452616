#pragma once
// How a screen reader meets a program's windows: a top-level window made straight from QWidget
// (a form, the light tree) is announced as a window (frame) named by its caption, as dialogs and
// main windows already are, instead of as an unnamed filler. Installed once per program.

namespace desktop {

void InstallWindowAccessibility();

} // namespace desktop
