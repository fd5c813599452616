// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the texts of a window can be read: a dark desktop colour scheme to show it under, and the
// contrast of each drawn text against its ground, measured from the window's image (WCAG ratio;
// 4.5 : 1 is the least for normal text). For tests only.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

namespace formstest {

// GNOME's dark mode as Qt's GTK platform theme applies it (Adwaita dark).
inline QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Text, QColor(255, 255, 255));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

// The schemes a window's texts are checked under, as the rows of a Qt Test table.
inline void AddSchemeRows() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("default scheme") << false;
    QTest::newRow("dark scheme") << true;
}

// While it lives, windows are drawn under the default or the dark scheme; then the application's
// own palette comes back, also when a check failed.
class Scheme {
public:
    explicit Scheme(bool dark)
        : m_original(QApplication::palette()) {
        QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    }
    ~Scheme() { QApplication::setPalette(m_original); }
    Scheme(const Scheme&) = delete;
    Scheme& operator=(const Scheme&) = delete;

private:
    QPalette m_original;
};

inline double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The ground is the commonest colour of the region; the text is the colour farthest from it that is
// drawn at least a few times (the glyphs' solid cores; their smoothed edges lie in between).
inline std::optional<double> TextContrast(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    const QRect inside = region.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
    const QRgb ground = counts.isEmpty() ? 0 : std::max_element(counts.cbegin(), counts.cend()).key();
    std::optional<double> best;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key() != ground && it.value() >= 3) {
            const double ratio = Contrast(QColor(it.key()), QColor(ground));
            best = best ? std::max(*best, ratio) : ratio;
        }
    }
    return best;
}

// The contrast of every text the window's controls show, by control name, at the window's size.
inline QMap<QString, double> TextContrasts(QWidget* window) {
    const QImage image = window->grab().toImage();
    QMap<QString, double> contrasts;
    const auto measure = [&](const QString& name, QWidget* control, const QRect& local) {
        if (const std::optional<double> ratio =
                TextContrast(image, QRect(control->mapTo(window, local.topLeft()), local.size()))) {
            contrasts.insert(name, *ratio);
        }
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) {
            continue;
        }
        const QString name = control->objectName();
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().trimmed().isEmpty()) {
            measure(name, label, label->contentsRect());
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            measure(name, option,
                    option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option));
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            measure(name, button, button->rect().adjusted(4, 4, -4, -4));
        } else if (auto* box = qobject_cast<QLineEdit*>(control); box && !box->text().trimmed().isEmpty()) {
            measure(name, box, box->rect().adjusted(3, 3, -3, -3));
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            measure(name, list, list->rect().adjusted(3, 3, -24, -3));
        } else if (auto* frame = qobject_cast<QGroupBox*>(control); frame && !frame->title().isEmpty()) {
            const QFontMetrics metrics(frame->font());
            measure(name, frame, QRect(10, 0, metrics.horizontalAdvance(frame->title()), metrics.height()));
        } else if (auto* bar = qobject_cast<QMenuBar*>(control)) {
            for (QAction* action : bar->actions()) {
                measure(action->objectName(), bar, bar->actionGeometry(action));
            }
        }
    }
    return contrasts;
}

// "name 1.6" for every text below the least readable contrast.
inline QStringList Unreadable(const QMap<QString, double>& contrasts) {
    QStringList low;
    for (auto it = contrasts.cbegin(); it != contrasts.cend(); ++it) {
        if (it.value() < 4.5) {
            low << QStringLiteral("%1 %2").arg(it.key()).arg(it.value(), 0, 'f', 1);
        }
    }
    return low;
}

} // namespace formstest
