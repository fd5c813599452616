// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a form's controls from the rows of its table: one call per row sets the object name, the
// caption or text, the geometry in twips relative to the container, the font and the tab index, so a
// form's constructor reads like its table. Handlers and behaviour stay with the form.

#include <forms/command_button.h>
#include <forms/drop_down_list.h>
#include <forms/frame.h>
#include <forms/label.h>
#include <forms/option_button.h>
#include <forms/shape_outline.h>
#include <forms/twips.h>

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class QLineEdit;
class QWidget;

namespace forms {

struct Font {
    const char* family;
    double points;
    bool bold;
};

inline constexpr int kNoTabStop = -1;

struct Row {
    const char* name;
    QString caption; // the caption, or a text box's text
    Place place;     // twips, relative to the container
    int tabIndex = kNoTabStop;
    std::optional<Font> font = std::nullopt; // none: the window system's default font
};

// The grey of the forms' frames and labels, &H00C0C0C0.
inline const QColor kGrey(192, 192, 192);

class FormBuilder {
public:
    explicit FormBuilder(QWidget* form);

    Label* label(QWidget* container, const Row& row);
    QLineEdit* textBox(QWidget* container, const Row& row); // name it after its label with setAccessibleName
    CommandButton* button(QWidget* container, const Row& row);
    OptionButton* option(QWidget* container, const Row& row);
    Frame* frame(QWidget* container, const Row& row);
    DropDownList* dropDownList(QWidget* container, const Row& row, const QStringList& items);
    ShapeOutline* shape(QWidget* container, const char* name, const Place& place);

    // Call once all rows are added: chains the focusable controls in the order of their tab indexes,
    // and stacks each outline over the labels beside it.
    void finish();

private:
    void setUp(QWidget* control, QWidget* container, const Row& row);

    QWidget* m_form;
    std::vector<std::pair<int, QWidget*>> m_tabStops;
    std::vector<ShapeOutline*> m_shapes;
};

// Paints the control's background in the colour, as an opaque control of the forms does, with the
// forms' black text and 3D colours on it whatever the desktop's colour scheme.
void SetBackColour(QWidget* control, const QColor& colour);

} // namespace forms
