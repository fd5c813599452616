// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window kinds of the forms: border, minimize and maximize boxes, caption, and a client area of
// an exact size in twips. Placement on the screen is in placement.h.

#include <QString>

class QWidget;

namespace forms {

enum class Border { FixedSingle, FixedDialog, Sizable };

struct WindowKind {
    Border border;
    bool minimizeBox;
    bool maximizeBox;
};

void SetUpWindow(QWidget* window, const char* name, const QString& caption, const WindowKind& kind,
                 int clientWidthTwips, int clientHeightTwips);

} // namespace forms
