// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms' option button. Its handler runs when it becomes selected, by the mouse, the keyboard or
// code; clicking an option that is already selected runs nothing. The arrow keys walk the options of
// a group in their tab order, round and round, moving the focus and selecting as they go, so that a
// handler that gives the focus to another control has the last word. Only a left press gives an
// option the focus, as for command buttons.

#include <QRadioButton>

namespace forms {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

    template <class Form> void onSelected(Form* form, void (Form::*handler)()) {
        connect(this, &QRadioButton::toggled, form, [form, handler](bool selected) {
            if (selected) {
                (form->*handler)();
            }
        });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    OptionButton* neighbour(bool forward) const;
};

} // namespace forms
