// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/placement.h>
#include <forms/twips.h>

#include <desktop/placement.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace forms {

void CentreOnScreen(QWidget* window) {
    desktop::CentreOuter(window);
}

void PlaceOuterAt(QWidget* window, int leftTwips, int topTwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    // move() places a window's outer frame, so no frame arithmetic is needed here.
    window->move(origin + QPoint(TwipsToPixelsX(leftTwips), TwipsToPixelsY(topTwips)));
}

} // namespace forms
