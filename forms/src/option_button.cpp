// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/option_button.h>

#include <desktop/press_focus.h>

#include <QKeyEvent>

namespace forms {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    desktop::FocusOnLeftPressOnly(this);
}

// The next option of the same group along the tab order, the first after the last.
OptionButton* OptionButton::neighbour(bool forward) const {
    for (QWidget* w = forward ? nextInFocusChain() : previousInFocusChain(); w != this;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        auto* option = qobject_cast<OptionButton*>(w);
        if (option && option->parentWidget() == parentWidget() && option->isEnabled() &&
            option->isVisible()) {
            return option;
        }
    }
    return nullptr;
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if (!forward && key != Qt::Key_Up && key != Qt::Key_Left) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // Qt would move by position and select only within a group that has a selection; and it would
    // give the new option the focus after its handler ran, taking the handler's focus step back.
    if (OptionButton* next = neighbour(forward)) {
        next->setFocus(Qt::TabFocusReason);
        next->setChecked(true);
    }
    event->accept();
}

} // namespace forms
