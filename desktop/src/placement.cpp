// SPDX-License-Identifier: GPL-3.0-or-later
#include "native_frame.h"

#include <desktop/placement.h>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace desktop {
namespace {

QRect ScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

QPoint CentredTopLeft(const QSize& outer) {
    const QRect screen = ScreenRect();
    return screen.topLeft() +
           QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

// Centres the window again once it is shown and its frame is known.
class CentreAgainOnShow : public QObject {
public:
    explicit CentreAgainOnShow(QWidget* window)
        : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                auto* window = static_cast<QWidget*>(parent());
                window->move(CentredTopLeft(window->frameGeometry().size()));
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

std::optional<QMargins> FrameBeforeShow(QWidget* window) {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return QMargins();
    }
    return NativeFrameBeforeShow(window);
}

void CentreOuter(QWidget* window) {
    if (window->isVisible()) {
        window->move(CentredTopLeft(window->frameGeometry().size()));
        return;
    }
    if (const std::optional<QMargins> frame = FrameBeforeShow(window)) {
        // The client area's own position, so that the frame lands around it where it was counted.
        const QPoint outer = CentredTopLeft(window->size().grownBy(*frame));
        window->setGeometry(QRect(outer + QPoint(frame->left(), frame->top()), window->size()));
        return;
    }
    window->move(CentredTopLeft(window->size()));
    new CentreAgainOnShow(window);
}

} // namespace desktop
