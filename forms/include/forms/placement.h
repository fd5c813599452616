#pragma once
// Placing a form on the primary screen by its outer (frame) rectangle: centred, or with its outer
// top-left corner at a fixed point in twips. A window not yet shown has no known frame; it is placed
// again once, when it is first shown and its frame is known.

class QWidget;

namespace forms {

void CentreOnScreen(QWidget* window);
void PlaceOuterAt(QWidget* window, int leftTwips, int topTwips);

} // namespace forms
