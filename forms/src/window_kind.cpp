// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/twips.h>
#include <forms/window_kind.h>

#include <QWidget>

namespace forms {

void SetUpWindow(QWidget* window, const char* name, const QString& caption, const WindowKind& kind,
                 int clientWidthTwips, int clientHeightTwips) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (kind.minimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (kind.maximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (kind.border != Border::Sizable) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    window->setWindowFlags(flags);
    const QSize client = TwipsToPixels(clientWidthTwips, clientHeightTwips);
    if (kind.border == Border::Sizable) {
        window->resize(client);
    } else {
        window->setFixedSize(client);
    }
}

} // namespace forms
