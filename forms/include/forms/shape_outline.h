// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain rectangle outline: a thin solid line in the text colour, transparent inside, taking no
// input, so clicks reach whatever lies below it.

#include <QWidget>

namespace forms {

class ShapeOutline : public QWidget {
    Q_OBJECT
public:
    explicit ShapeOutline(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
