#pragma once
// The start of a form-based program: the application with its name and version, its first form
// shown, and the event loop until the last window closes.

#include <desktop/platform.h>

#include <QApplication>

namespace forms {

template <class FirstForm> int RunProgram(int argc, char* argv[], const char* name) {
    desktop::PreferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(name));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    FirstForm form;
    form.show();
    return app.exec();
}

} // namespace forms
