// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's window layer: dialog units from the window font's metrics, the window conventions
// (caption, font, fixed 300 x 230 client area), and controls built from a table of rows
// (id as objectName, kind, text, x, y, w, h), created in table order, which is also the tab order,
// and found again by id. It knows nothing about what the controls do.

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>

#include <span>

enum class ControlKind { Label, NumberField, Button, Lamp };

struct DialogControl {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int w;
    int h;
};

// One horizontal unit is a quarter of the font's average character width, one vertical unit an
// eighth of its character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int w, int h) const;

private:
    int m_baseX;
    int m_baseY;
};

// The "MS Sans Serif" of every trainer window and control, in the size its stand-in needs.
QFont TrainerFont();

// Caption "Vellarin", the trainer font, a fixed client area of 300 x 230 units, no size grip.
void SetUpTrainerWindow(QWidget* window, const char* name);

// Creates the rows' controls in order and returns them in that order.
QList<QWidget*> BuildControls(QWidget* window, std::span<const DialogControl> table);

// The control of a row whose id stands once in the window's table.
template <typename Control> Control* DialogChild(const QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
