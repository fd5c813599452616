// SPDX-License-Identifier: GPL-3.0-or-later
#include <desktop/press_focus.h>

#include <QAbstractButton>
#include <QMouseEvent>

namespace desktop {
namespace {

// Gives the focus before the button handles the press, as a focusing press would.
class LeftPressFocus : public QObject {
public:
    explicit LeftPressFocus(QAbstractButton* button)
        : QObject(button)
        , m_button(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_button->setFocus(Qt::MouseFocusReason);
        }
        return false;
    }

private:
    QAbstractButton* m_button;
};

} // namespace

void FocusOnLeftPressOnly(QAbstractButton* button) {
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new LeftPressFocus(button));
}

} // namespace desktop
