#pragma once
// Twips (1/1440 inch) to pixels at the primary screen's logical DPI, so that a form keeps the size it
// was designed with on any screen. Knows nothing about controls.

#include <QRect>
#include <QSize>

namespace forms {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
QRect TwipsToPixels(const Place& place);
QSize TwipsToPixels(int widthTwips, int heightTwips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

} // namespace forms
