// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Twips (1/1440 inch) to pixels at the primary screen's logical DPI, so that a form keeps the size it
// was designed with on any screen. Knows nothing about controls.

#include <QFont>
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

// The font at the pixel size it has at the given DPI, so that a scaled painter (a printer's) draws
// it at the scaled size instead of at its point size on the new device.
QFont FontAtPixelSize(const QFont& font, int dpi);

} // namespace forms
