// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/shape_outline.h>

#include <QPainter>

namespace forms {

ShapeOutline::ShapeOutline(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace forms
