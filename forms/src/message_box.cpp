// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/message_box.h>

#include <QApplication>
#include <QMessageBox>

namespace forms {

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // The window the box came from takes the keyboard back, so its handler can place the focus.
    if (parent) {
        parent->window()->activateWindow();
    }
}

} // namespace forms
