// SPDX-License-Identifier: GPL-3.0-or-later
#include <desktop/press_focus.h>

#include <QAbstractButton>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace desktop {
namespace {

// Gives the focus before the button handles the press, as a focusing press would; clicks the
// button at once when its access key is pressed.
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
        // Qt would show the button pressed for 100 ms and click it then, after whatever is typed
        // meanwhile: a Clear would wipe the digits typed right after its access key. An access key
        // that several controls share only moves the focus, as Qt does it.
        if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            m_button->click();
            return true;
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
