#include <forms/command_button.h>

#include <QMouseEvent>

namespace forms {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    // Enter and Space press the focused button; Enter elsewhere reaches only a default button, if
    // the form names one (default_button.h).
    setAutoDefault(true);
    setFocusPolicy(Qt::TabFocus); // the left press gives the focus below, no other press does
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
    }
    QPushButton::mousePressEvent(event);
}

} // namespace forms
