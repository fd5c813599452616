// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_surface.h"

#include <forms/twips.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {

// The average character width as fonts of the forms' platform define it: lowercase letters and the
// blank, weighted by how often they occur in English. Qt's averageCharWidth() averages all glyphs
// and runs wider, which would push the last column past the window's right edge.
double WeightedAverageWidth(const QFont& font) {
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    const QFontMetricsF metrics(font);
    double sum = 0;
    for (int i = 0; i < 26; ++i) {
        sum += kWeights[i] * metrics.horizontalAdvance(QChar(u'a' + i));
    }
    sum += kWeights[26] * metrics.horizontalAdvance(QChar(u' '));
    return sum / 1000.0;
}

} // namespace

RecordSurface::RecordSurface(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("RecordSurface"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    font.setBold(false);
    setFont(font);
    QPalette palette = this->palette();
    // The system's active title-bar text colour, white in the standard scheme.
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

int RecordSurface::columnX(int column) const {
    return qRound((column - 1) * WeightedAverageWidth(font()));
}

int RecordSurface::lineHeight() const {
    return fontMetrics().height();
}

void RecordSurface::printAtColumn(int column, const QString& text) {
    const int x = columnX(column);
    if (m_position.x() > x) {
        m_position.ry() += lineHeight();
    }
    m_position.setX(x);
    m_drawn.push_back({m_position, text, m_record});
    m_position.rx() += fontMetrics().horizontalAdvance(text);
    update();
}

void RecordSurface::endLine() {
    m_position = QPoint(0, m_position.y() + lineHeight());
    ++m_record;
    QAccessibleEvent added(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&added);
}

void RecordSurface::clear() {
    m_drawn.clear();
    m_position = QPoint();
    m_record = 0;
    update();
    QAccessibleEvent cleared(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&cleared);
}

QString RecordSurface::recordText(int record) const {
    QStringList parts;
    for (const Run& run : m_drawn) {
        if (run.record == record) {
            const auto column = static_cast<int>(parts.size());
            const QString name = column < m_columnNames.size() ? m_columnNames[column] : QString();
            parts << (name.isEmpty() ? run.text : name + QStringLiteral(": ") + run.text);
        }
    }
    return parts.join(QStringLiteral(", "));
}

QRect RecordSurface::recordRect(int record) const {
    QRect area;
    for (const Run& run : m_drawn) {
        if (run.record == record) {
            area |=
                QRect(run.topLeft, QSize(qMax(1, fontMetrics().horizontalAdvance(run.text)), lineHeight()));
        }
    }
    return area;
}

void RecordSurface::paintDrawn(QPainter& painter) const {
    painter.setFont(forms::FontAtPixelSize(font(), logicalDpiY()));
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = fontMetrics().ascent();
    const int height = lineHeight();
    const QRect visible = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect();
    for (const Run& run : m_drawn) {
        if (visible.isValid() &&
            (run.topLeft.y() > visible.bottom() || run.topLeft.y() + height < visible.top())) {
            continue;
        }
        painter.drawText(run.topLeft + QPoint(0, ascent), run.text);
    }
}

void RecordSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Thousands of rows may lie below the window; only those in the damaged area are drawn.
    painter.setClipRegion(event->region());
    paintDrawn(painter);
}
