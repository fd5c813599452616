#pragma once
// What the window tests of the form-based programs share: finding a control by its name, and
// answering the message boxes that come up while a test acts. For tests only.

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace formstest {

template <class T> T* Control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    }
    return found;
}

// The controls a user reads or operates whose accessible name is missing or only their object name.
inline QStringList UnnamedControls(const QWidget* window) {
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->inherits("QLineEdit") && !control->inherits("QAbstractButton") &&
            !control->inherits("QComboBox")) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty() || name == control->objectName()) {
            unnamed << control->objectName();
        }
    }
    return unnamed;
}

// While it lives, presses OK on every message box that comes up and keeps "title|text" of each.
class MessageWatcher : public QObject {
public:
    MessageWatcher() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_seen << box->windowTitle() + QLatin1Char('|') + box->text();
                m_buttons << static_cast<int>(box->buttons().size());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }
    const QStringList& seen() const { return m_seen; }
    const QList<int>& buttonCounts() const { return m_buttons; }

private:
    QTimer m_timer;
    QStringList m_seen;
    QList<int> m_buttons;
};

} // namespace formstest
