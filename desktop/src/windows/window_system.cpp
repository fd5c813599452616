// SPDX-License-Identifier: GPL-3.0-or-later
#include <desktop/window_system.h>

#include <QByteArray>

namespace desktop {

void ChooseWindowSystem() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
    }
}

} // namespace desktop
