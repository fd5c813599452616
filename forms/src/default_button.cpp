// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/default_button.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace forms {
namespace {

// Sees the Enter keys that the focused control did not take and that bubbled up to the form.
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* form, QPushButton* button)
        : QObject(form)
        , m_button(button) {
        form->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &DefaultButtonFilter::showAsDefault);
    }

    // The default button looks it whenever the focus is in the form but not on another button, which
    // Enter would press instead. (A button outside a dialog drops its default look for good when it
    // loses the focus; this gives it back.)
    void showAsDefault(QWidget*, QWidget* now) {
        if (!m_button || !now || now->window() != m_button->window()) {
            return;
        }
        m_button->setDefault(now == m_button || !qobject_cast<QPushButton*>(now));
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !m_button) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (enter && plain && m_button->isEnabled() && m_button->isVisible()) {
            m_button->click();
            return true;
        }
        return false;
    }

private:
    QPointer<QPushButton> m_button;
};

} // namespace

void SetDefaultButton(QWidget* form, QPushButton* button) {
    button->setDefault(true);
    new DefaultButtonFilter(form, button);
}

} // namespace forms
