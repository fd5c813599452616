#pragma once
// Runs a form's handler when an option button becomes selected, whether by the mouse, the keyboard
// or code; clicking an option that is already selected runs nothing.

#include <QRadioButton>

namespace forms {

template <class Form> void OnSelected(QRadioButton* option, Form* form, void (Form::*handler)()) {
    QObject::connect(option, &QRadioButton::toggled, form, [form, handler](bool selected) {
        if (selected) {
            (form->*handler)();
        }
    });
}

} // namespace forms
