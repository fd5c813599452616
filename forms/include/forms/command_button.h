// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms' command button: Enter and Space press it while it has the focus, and only a press of
// the left mouse button gives it the focus, so a right or middle press (which never clicks) leaves
// the keyboard where it was. What a press does beyond that is the form's business.

#include <QPushButton>

namespace forms {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);
};

} // namespace forms
