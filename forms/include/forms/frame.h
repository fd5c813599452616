// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms' frame: a flat ground in its back colour, an etched outline whose top edge runs through
// the middle of the caption, and the caption near the left on the frame's own ground. Its children
// are placed relative to its outer top-left corner and sit inside the outline.

#include <QGroupBox>

namespace forms {

class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
