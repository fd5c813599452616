#include <forms/default_button.h>

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
