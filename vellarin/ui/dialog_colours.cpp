// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

QColor TextColour(const QString& id) {
    if (id == QLatin1String("101")) {
        return QColor(0, 100, 0);
    }
    if (id == QLatin1String("161")) {
        return QColor(0, 0, 255);
    }
    return QColor(0, 0, 0);
}

} // namespace

void ApplyDialogColours(QWidget* window) {
    QPalette background = window->palette();
    background.setColor(QPalette::Window, Qt::white);
    window->setPalette(background);
    window->setAutoFillBackground(true);
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLabel*>(control) && !qobject_cast<QLineEdit*>(control)) {
            continue;
        }
        QPalette palette = control->palette();
        const QColor text = TextColour(control->objectName());
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::Base, Qt::white);
        control->setPalette(palette);
    }
}
