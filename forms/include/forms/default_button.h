// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form's default button: Enter pressed anywhere in the form clicks it, unless the focus is on
// another button, which Enter presses instead; it shows as the default whenever the focus is not on
// another button. A form without one ignores Enter in its boxes.

class QPushButton;
class QWidget;

namespace forms {

void SetDefaultButton(QWidget* form, QPushButton* button);

} // namespace forms
