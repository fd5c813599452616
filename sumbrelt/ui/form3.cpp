// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "form9.h"

#include <forms/box_numbers.h>
#include <forms/form_builder.h>
#include <forms/message_box.h>
#include <forms/placement.h>
#include <forms/window_kind.h>
#include <numtext/numtext.h>
#include <sumbrelt/capacity.h>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr forms::Font kFieldFont{"MS Sans Serif", 9.75, true};
constexpr forms::Font kSansSerif{"MS Sans Serif", 8.25, true};
constexpr forms::Font kTimes{"Times New Roman", 9, true};

// The press on which the user hears that a printout is full; it warns once and never refuses.
constexpr int kWarningPress = 26;

} // namespace

Form3::Form3(QWidget* parent)
    : QWidget(parent) {
    forms::SetUpWindow(this, "Form3", QStringLiteral(" CUBIC / CAPACITY / CALCULATION"),
                       {forms::Border::FixedSingle, false, false}, 5640, 3105);
    forms::SetBackColour(this, forms::kGrey);

    forms::FormBuilder form(this);
    m_Text1 = form.textBox(this, {"Text1", "", {360, 600, 972, 360}, 0, kFieldFont});
    m_Text2 = form.textBox(this, {"Text2", "", {2280, 600, 972, 372}, 1, kFieldFont});
    m_Text3 = form.textBox(this, {"Text3", "", {4200, 600, 972, 372}, 2, kFieldFont});
    form.label(this, {"Label1", " Bore Size Here", {240, 120, 1455, 255}, 3, kSansSerif});
    form.label(this, {"Label2", "Stroke Length Here", {2040, 120, 1695, 375}, 4, kSansSerif});
    form.label(this, {"Label3", "Cylinders Here", {4080, 120, 1335, 495}, 5, kSansSerif});
    m_Label4 = form.label(this, {"Label4", "", {720, 1800, 2295, 255}, 6, kTimes});
    m_Label5 = form.label(this, {"Label5", "", {3120, 1800, 1215, 255}, 7, kTimes});
    form.label(this, {"Label6",
                      "All calculations In M/M And Press tab After Each Entry",
                      {360, 1200, 4935, 255},
                      8,
                      kSansSerif});
    m_CmdCalculate = form.button(this, {"CmdCalculate", "&Calculate", {360, 2400, 1095, 495}, 9, kSansSerif});
    m_CmdClear = form.button(this, {"CmdClear", "Cl&ear", {1800, 2400, 855, 495}, 10, kSansSerif});
    m_CmdQuit = form.button(this, {"CmdQuit", "&Quit", {3120, 2400, 855, 495}, 11, kSansSerif});
    m_CmdPrint = form.button(this, {"CmdPrint", "&Print", {4440, 2400, 855, 495}, 12, kSansSerif});
    form.shape(this, "Shape6", {120, 0, 1695, 495});
    form.shape(this, "Shape7", {1920, 0, 1935, 495});
    form.shape(this, "Shape8", {3960, 0, 1455, 495});
    form.shape(this, "Shape5", {240, 1080, 5055, 495});
    form.shape(this, "Shape4", {480, 1680, 4575, 495});
    form.shape(this, "Shape1", {120, 2280, 1455, 735});
    form.shape(this, "Shape2", {1680, 2280, 1095, 735});
    form.shape(this, "Shape3", {3000, 2280, 1095, 735});
    form.shape(this, "Shape9", {4320, 2280, 1095, 735});
    form.finish();
    m_Text1->setAccessibleName(QStringLiteral("Bore Size"));
    m_Text2->setAccessibleName(QStringLiteral("Stroke Length"));
    m_Text3->setAccessibleName(QStringLiteral("Cylinders"));

    connect(m_CmdCalculate, &QPushButton::clicked, this, &Form3::CmdCalculate_Click);
    connect(m_CmdClear, &QPushButton::clicked, this, &Form3::CmdClear_Click);
    connect(m_CmdQuit, &QPushButton::clicked, this, &Form3::CmdQuit_Click);
    connect(m_CmdPrint, &QPushButton::clicked, this, &Form3::CmdPrint_Click);
    m_CmdPrint->installEventFilter(this);

    m_Text1->setFocus();
    Form_Load();
}

Form3::~Form3() {
    delete m_form9;
}

Form9* Form3::RecordWindow() const {
    return m_form9;
}

void Form3::Form_Load() {
    forms::PlaceOuterAt(this, 1500, 100);
    m_Text1->clear();
    m_Text2->clear();
    m_Text3->clear();
}

void Form3::CmdCalculate_Click() {
    // A field beyond the double range leaves the capacity at its starting 0.
    float capacity = 0.0f;
    const std::optional<double> bore = forms::ReadLeading(m_Text1);
    const std::optional<double> stroke = forms::ReadLeading(m_Text2);
    const std::optional<double> cylinders = forms::ReadLeading(m_Text3);
    if (bore && stroke && cylinders) {
        capacity = sumbrelt::CubicCapacity(*bore, *stroke, *cylinders);
    }
    m_Label5->setText(QString::fromStdString(sumbrelt::FormatCapacity(capacity)));
    m_Label4->setText(QStringLiteral("Cubic capacity  ="));
    m_Text1->setFocus();
}

void Form3::CmdClear_Click() {
    m_Text1->clear();
    m_Text2->clear();
    m_Text3->clear();
    m_Text1->setFocus();
    m_Label4->clear();
    m_Label5->clear();
}

void Form3::CmdQuit_Click() {
    close();
    if (m_form9) {
        m_form9->close();
    }
}

void Form3::CmdPrint_Click() {
    if (!m_form9) {
        m_form9 = new Form9();
    }
    m_form9->show();
    m_form9->raise();
    m_form9->activateWindow();
    m_CmdPrint->setToolTip(QStringLiteral("Print the above record"));
    m_form9->DrawRecord(m_Text1->text(), m_Text2->text(), m_Text3->text(), m_Label5->text());
}

void Form3::CmdPrint_MouseDown() {
    ++m_printPressCount;
    if (m_printPressCount == kWarningPress) {
        forms::ShowMessage(
            this, QStringLiteral("Max number of records entered for printing,To make a print out now "
                                 "click file then click print."));
    }
    m_CmdPrint->setToolTip(QStringLiteral("Print this list"));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    // Every press counts, with any button, the second of a double click too.
    if (watched == m_CmdPrint &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const int before = m_printPressCount;
        CmdPrint_MouseDown();
        // The warning took the release; a press the button never sees cannot leave it stuck down.
        return before + 1 == kWarningPress;
    }
    return QWidget::eventFilter(watched, event);
}
