// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of a form-based program: the application with the suite's defaults and the forms'
// screen-reader interfaces (labels read what they show, an empty one nothing; outlines read
// nothing; drop-down lists as drop_down_list.h says), its first form shown, and the event loop
// until the last window closes.

#include <desktop/suite_defaults.h>
#include <desktop/window_system.h>

#include <QApplication>

namespace forms {

QAccessibleInterface* FormsInterface(const QString& className, QObject* object);

// own: the interfaces of the program's own controls, if it has any.
template <class FirstForm>
int RunProgram(int argc, char* argv[], const char* name, QAccessible::InterfaceFactory own = nullptr) {
    desktop::ChooseWindowSystem();
    QApplication app(argc, argv);
    desktop::InstallSuiteDefaults(name, {FormsInterface, own});
    FirstForm form;
    form.show();
    return app.exec();
}

} // namespace forms
