// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests of the form-based programs share: the fixture that builds and shows the form,
// finding a control by its name, and answering the message boxes that come up. For tests only.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace formstest {

template <class T> T* Control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    }
    return found;
}

// A form's window test: a fresh form built and shown before each test function and destroyed after
// it, its controls found by name, and the check that every control a user reads or operates is named
// for a screen reader.
class FormTest : public QObject {
    Q_OBJECT
protected:
    explicit FormTest(std::function<QWidget*()> makeForm)
        : m_makeForm(std::move(makeForm)) {}

    // A new form, shown, in place of the one there is: for a test that changes what it is built under.
    QWidget* rebuild() {
        m_form.reset(m_makeForm());
        m_form->show();
        return m_form.get();
    }
    template <class T> T* control(const char* name) const { return Control<T>(m_form.get(), name); }
    QString caption(const char* label) const { return control<QLabel>(label)->text(); }
    void click(const char* button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void select(const char* option) const { // a click on the option's round button
        QTest::mouseClick(control<QRadioButton>(option), Qt::LeftButton, {},
                          QPoint(8, control<QRadioButton>(option)->height() / 2));
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

    std::unique_ptr<QWidget> m_form;

private Q_SLOTS:
    // No control a user reads or operates goes without a name, or is named only by its object name.
    void everyControlHasAnAccessibleName() {
        QStringList unnamed;
        for (QWidget* control : m_form->findChildren<QWidget*>()) {
            if (control->inherits("QLineEdit") || control->inherits("QAbstractButton") ||
                control->inherits("QComboBox")) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
                if (name.trimmed().isEmpty() || name == control->objectName()) {
                    unnamed << control->objectName();
                }
            }
        }
        QCOMPARE(unnamed, QStringList());
    }
    void init() { QVERIFY(QTest::qWaitForWindowActive(rebuild())); }
    void cleanup() { m_form.reset(); }

private:
    std::function<QWidget*()> m_makeForm;
};

template <class Form> class FormTestOf : public FormTest {
protected:
    FormTestOf()
        : FormTest([] { return new Form; }) {}
    Form* form() const { return static_cast<Form*>(m_form.get()); }
};

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
