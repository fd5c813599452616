// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The focus rule every button and option of the suite keeps: Tab reaches it, and of the mouse
// presses only the left one, the one that clicks, gives it the focus; a right or middle press
// leaves the keyboard where it was. Its access key clicks it at once, before any key typed after
// it. What a press does is the button's own business.

class QAbstractButton;

namespace desktop {

void FocusOnLeftPressOnly(QAbstractButton* button);

} // namespace desktop
