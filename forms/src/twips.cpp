// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/twips.h>

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace forms {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double DpiX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double DpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

int TwipsToPixelsX(int twips) {
    return qRound(twips * DpiX() / kTwipsPerInch);
}
int TwipsToPixelsY(int twips) {
    return qRound(twips * DpiY() / kTwipsPerInch);
}

QRect TwipsToPixels(const Place& place) {
    return {TwipsToPixelsX(place.left), TwipsToPixelsY(place.top), TwipsToPixelsX(place.width),
            TwipsToPixelsY(place.height)};
}

QSize TwipsToPixels(int widthTwips, int heightTwips) {
    return {TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips)};
}

QFont FontAtPixelSize(const QFont& font, int dpi) {
    QFont sized = font;
    if (font.pointSizeF() > 0) {
        sized.setPixelSize(qRound(font.pointSizeF() * dpi / 72.0));
    }
    return sized;
}

} // namespace forms
