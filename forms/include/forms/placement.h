// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placing a form on the primary screen by its outer (frame) rectangle: centred (the frame asked of
// the window manager first, desktop/placement.h), or with its outer top-left corner at a fixed point
// in twips.

class QWidget;

namespace forms {

void CentreOnScreen(QWidget* window);
void PlaceOuterAt(QWidget* window, int leftTwips, int topTwips);

} // namespace forms
