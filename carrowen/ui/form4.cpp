// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include <carrowen/rod_ratio.h>
#include <forms/box_numbers.h>
#include <forms/form_builder.h>
#include <forms/placement.h>
#include <forms/window_kind.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr forms::Font kArial{"Arial", 8.25, true};
constexpr forms::Font kTimes{"Times New Roman", 10.5, true};
constexpr forms::Font kSansSerif{"MS Sans Serif", 8.25, true};

const QString kAdvice = QStringLiteral(
    "Maximum speed should be less than 4500 f/t Per minute for circuit racing, Maximum piston speed is "
    "near mid stroke,Where the crank small end is at 90 degrees to cyl bore axis.");

} // namespace

Form4::Form4(QWidget* parent)
    : QWidget(parent) {
    forms::SetUpWindow(this, "Form4", QStringLiteral("   ROD TO CRANK RATIO AND PISTON SPEED CALCULATIONS"),
                       {forms::Border::FixedDialog, false, false}, 6855, 3930);

    forms::FormBuilder form(this);
    m_Frame1 = form.frame(this, {"Frame1",
                                 "Longer Rod For BetterTop End,Best Rod Ratio Combination = 1.7 To 1.850",
                                 {0, 0, 10695, 6090},
                                 0,
                                 kArial});
    m_OPTPIS = form.option(this, {"OPTPIS", "Option Piston Speed", {2280, 1320, 2172, 408}, 11, kArial});
    m_OPTROD = form.option(this, {"OPTROD", "Option Rod Ratio", {2280, 840, 1770, 408}, 10, kArial});
    m_Text3 = form.textBox(this, {"Text3", "", {120, 600, 1950, 375}, 1, kTimes});
    m_CmdQuit = form.button(m_Frame1, {"CmdQuit", "&Quit", {4320, 3120, 1095, 495}, 14, kSansSerif});
    m_Cmdclear = form.button(m_Frame1, {"Cmdclear", "C&lear", {3000, 3120, 1095, 495}, 13, kSansSerif});
    m_Cmdcalculate =
        form.button(m_Frame1, {"Cmdcalculate", "&Calculate", {1560, 3120, 1095, 495}, 12, kSansSerif});
    m_Text4 = form.textBox(m_Frame1, {"Text4", "", {4680, 600, 1935, 375}, 2, kTimes});
    form.shape(m_Frame1, "Shape1", {1320, 3000, 4335, 735});
    m_Label9 = form.label(m_Frame1, {"Label9",
                                     "All Calculations In M/M Only Select Option And press Tab",
                                     {2160, 255, 2415, 540},
                                     9,
                                     kArial});
    m_Label8 = form.label(m_Frame1, {"Label8", "", {240, 2220, 6525, 735}, 8, kArial});
    m_Label7 = form.label(m_Frame1, {"Label7", "", {240, 1800, 6585, 360}, 7, kArial});
    m_Label6 = form.label(m_Frame1, {"Label6", "", {4680, 960, 2025, 435}, 6, kArial});
    m_Label5 = form.label(m_Frame1, {"Label5", "", {120, 975, 2010, 360}, 5, kArial});
    m_Label2 = form.label(m_Frame1, {"Label2", "", {4680, 270, 1875, 330}, 4, kArial});
    m_Label1 = form.label(m_Frame1, {"Label1", "", {120, 255, 1905, 330}, 3, kArial});
    form.finish();
    m_Text3->setAccessibleName(QStringLiteral("Rod length or maximum revs"));
    m_Text4->setAccessibleName(QStringLiteral("Crank stroke or stroke length"));

    // The form's own grey lies under the options, which stand in front of the frame.
    for (QWidget* grey : std::initializer_list<QWidget*>{this, m_Frame1, m_Label9, m_Label8, m_Label7,
                                                         m_Label6, m_Label5, m_Label2, m_Label1}) {
        forms::SetBackColour(grey, forms::kGrey);
    }
    m_Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The frame fills the window; the options and the first box lie on the form, in front of it.
    m_Frame1->lower();

    m_OPTROD->onSelected(this, &Form4::OPTROD_Click);
    m_OPTPIS->onSelected(this, &Form4::OPTPIS_Click);
    connect(m_Cmdcalculate, &QPushButton::clicked, this, &Form4::Cmdcalculate_Click);
    connect(m_Cmdclear, &QPushButton::clicked, this, &Form4::Cmdclear_Click);
    connect(m_CmdQuit, &QPushButton::clicked, this, &Form4::CmdQuit_Click);

    m_Text3->setFocus();
    Form_Load();
}

void Form4::Form_Load() {
    forms::CentreOnScreen(this);
}

void Form4::OPTROD_Click() {
    m_Text3->setFocus();
    m_Label1->setText(QStringLiteral("Enter Rod Length"));
    m_Label2->setText(QStringLiteral("Enter Crank Stroke"));
    m_Label5->setText(QStringLiteral(" "));
    m_Label6->setText(QStringLiteral(" "));
    m_Text3->setText(QStringLiteral(" "));
    m_Text4->setText(QStringLiteral(" "));
}

void Form4::OPTPIS_Click() {
    m_Label1->setText(QStringLiteral(" "));
    m_Label2->setText(QStringLiteral(" "));
    m_Text3->setFocus();
    m_Label5->setText(QStringLiteral("Enter Max Revs"));
    m_Label6->setText(QStringLiteral(" Enter Stroke Length"));
}

void Form4::Cmdcalculate_Click() {
    // A box beyond the double range skips the computation, and the result keeps its starting 0.
    float value = 0.0f;
    if (m_OPTROD->isChecked()) {
        const std::optional<double> rod = forms::ReadLeading(m_Text3);
        const std::optional<double> stroke = forms::ReadLeading(m_Text4);
        if (rod && stroke) {
            value = carrowen::RodToCrankRatio(*rod, *stroke).value;
        }
        m_Label7->setText(QString::fromStdString(carrowen::RodToCrankRatioText(value)));
    } else if (m_OPTPIS->isChecked()) {
        const std::optional<double> revs = forms::ReadLeading(m_Text3);
        const std::optional<double> stroke = forms::ReadLeading(m_Text4);
        if (revs && stroke) {
            value = carrowen::MaxPistonSpeed(*revs, *stroke).value;
        }
        m_Label7->setText(QString::fromStdString(carrowen::PistonSpeedText(value)));
        m_Label8->setText(kAdvice);
    }
}

void Form4::Cmdclear_Click() {
    m_Text3->setText(QStringLiteral(" "));
    m_Text4->setText(QStringLiteral(" "));
    m_Label7->setText(QStringLiteral(" "));
    m_Label8->setText(QStringLiteral(" "));
    m_Text3->setFocus();
}

void Form4::CmdQuit_Click() {
    close();
}
