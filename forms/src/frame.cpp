// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/frame.h>
#include <forms/twips.h>

#include <QPainter>

namespace forms {
namespace {

constexpr int kCaptionLeftTwips = 120; // where the caption starts, from the frame's left edge
constexpr int kCaptionGapTwips = 30;   // the ground kept clear on each side of the caption

} // namespace

Frame::Frame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent*) {
    // Painted here rather than by the style, which would shade the ground and put the caption above
    // the outline instead of on it.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect outline = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outline.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) {
        return;
    }
    const int gap = TwipsToPixelsX(kCaptionGapTwips);
    const QRect caption(TwipsToPixelsX(kCaptionLeftTwips), 0, metrics.horizontalAdvance(title()) + 2 * gap,
                        metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace forms
