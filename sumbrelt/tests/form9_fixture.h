// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record window as its tests meet it: a fresh one shown for each test, and what its surface
// drew, read back pixel by pixel.

#include "form9.h"
#include "record_surface.h"

#include <QPainter>
#include <QTest>

#include <memory>

class Form9Fixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<Form9> m_form;

    RecordSurface* surface() const { return m_form->surface(); }

    QImage drawn() const {
        QImage image(surface()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        surface()->paintDrawn(painter);
        return image;
    }

    // The leftmost inked x in the band of a line, from a given x on; -1 when the band is blank there.
    static int firstInk(const QImage& image, int top, int height, int fromX) {
        for (int x = fromX; x < image.width(); ++x) {
            for (int y = top; y < top + height && y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    return x;
                }
            }
        }
        return -1;
    }

    // Whether a line's ink from a column on begins at that column's start (a glyph's side bearing
    // aside).
    bool startsAt(const QImage& image, int line, int column) const {
        const int h = surface()->lineHeight();
        const int x = surface()->columnX(column);
        const int ink = firstInk(image, line * h, h, x - 1);
        return ink >= x && ink <= x + (surface()->columnX(2) - surface()->columnX(1)) / 2;
    }

private Q_SLOTS:
    void init() {
        m_form = std::make_unique<Form9>();
        m_form->setAttribute(Qt::WA_DeleteOnClose, false);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }
};
