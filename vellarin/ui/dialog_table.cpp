// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_table.h"

#include "number_field.h"

#include <desktop/press_focus.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

// Rounds a x b / c as the dialog-unit mapping does.
int MulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

QWidget* MakeControl(QWidget* window, const DialogControl& row) {
    const QString text = QString::fromLatin1(row.text);
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text, window);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case ControlKind::NumberField:
        return new NumberField(text, window);
    case ControlKind::Button: {
        auto* button = new QPushButton(text, window);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        desktop::FocusOnLeftPressOnly(button);
        return button;
    }
    case ControlKind::Lamp: {
        auto* lamp = new QLabel(window);
        lamp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return lamp;
    }
    }
    return nullptr;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) + 26) / 52;
    m_baseY = metrics.height();
}

int DialogUnits::x(int units) const {
    return MulDiv(units, m_baseX, 4);
}
int DialogUnits::y(int units) const {
    return MulDiv(units, m_baseY, 8);
}
QRect DialogUnits::rect(int x, int y, int w, int h) const {
    return {this->x(x), this->y(y), this->x(w), this->y(h)};
}

QFont TrainerFont() {
    // Liberation Sans stands in for the 8-point bitmap font the trainer was laid out with. At 8
    // points its text runs wider, against its own dialog units, than that font's did, and the
    // longest info line would not fit; at 7.5 points every text fits its rectangle, and the window
    // keeps the width that the original font gave it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(7.5);
    return font;
}

void SetUpTrainerWindow(QWidget* window, const char* name) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QStringLiteral("Vellarin"));
    window->setFont(TrainerFont());
    const DialogUnits units(window->font());
    window->setFixedSize(units.x(300), units.y(230));
}

QList<QWidget*> BuildControls(QWidget* window, std::span<const DialogControl> table) {
    const DialogUnits units(window->font());
    QList<QWidget*> controls;
    for (const DialogControl& row : table) {
        QWidget* control = MakeControl(window, row);
        control->setObjectName(QString::number(row.id));
        control->setGeometry(units.rect(row.x, row.y, row.w, row.h));
        // A field is named by the label above it; labels by the text they show at the moment.
        if (row.kind == ControlKind::NumberField && !controls.isEmpty()) {
            if (const auto* label = qobject_cast<QLabel*>(controls.back())) {
                control->setAccessibleName(label->text());
            }
        }
        controls << control;
    }
    return controls;
}
