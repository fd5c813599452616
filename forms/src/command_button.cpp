// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/command_button.h>

#include <desktop/press_focus.h>

namespace forms {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    // Enter and Space press the focused button; Enter elsewhere reaches only a default button, if
    // the form names one (default_button.h).
    setAutoDefault(true);
    desktop::FocusOnLeftPressOnly(this);
}

} // namespace forms
