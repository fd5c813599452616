// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include <forms/box_numbers.h>
#include <forms/default_button.h>
#include <forms/form_builder.h>
#include <forms/placement.h>
#include <forms/window_kind.h>
#include <quillon/lengths.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr forms::Font kSansSerif{"MS Sans Serif", 8.25, true};
constexpr forms::Font kSansSerifLarge{"MS Sans Serif", 9.75, true};

} // namespace

Form5::Form5(QWidget* parent)
    : QWidget(parent) {
    forms::SetUpWindow(this, "Form5", QStringLiteral("TO CALCULATE YOUR INLET AND EXHAUSTS LENGHTS"),
                       {forms::Border::FixedSingle, false, false}, 5760, 4305);
    forms::SetBackColour(this, forms::kGrey);

    forms::FormBuilder form(this);
    m_Command3 = form.button(this, {"Command3", "&Quit", {3720, 3360, 1212, 495}, 7, kSansSerif});
    m_Command2 = form.button(this, {"Command2", "&Clear", {2400, 3360, 1212, 495}, 6, kSansSerif});
    m_Command1 = form.button(this, {"Command1", "C&alculate", {720, 3360, 1575, 495}, 5, kSansSerif});
    m_Option2 = form.option(
        this,
        {"Option2", "Option 2 Calculate Inlet Manafold Lengths", {600, 1320, 4572, 435}, 4, kSansSerif});
    m_Option1 = form.option(
        this,
        {"Option1", "Option 1 Calculate Primary Exhaust Lengths", {600, 1680, 4572, 495}, 3, kSansSerif});
    m_Text1 = form.textBox(this, {"Text1", "", {1800, 720, 1815, 372}, 0, kSansSerifLarge});
    form.shape(this, "Shape2", {1560, 600, 2295, 615});
    m_Label5 = form.label(this, {"Label5", "", {120, 2520, 5535, 615}, 10, kSansSerif});
    form.shape(this, "Shape1", {600, 3240, 4455, 735});
    m_Label4 = form.label(this, {"Label4", "", {600, 2160, 3015, 375}, 9, kSansSerif});
    m_Label3 = form.label(this, {"Label3", "", {3600, 2160, 735, 375}, 8, kSansSerifLarge});
    m_Label2 = form.label(this, {"Label2", "Enter R/P/M Here", {1800, 360, 2055, 255}, 2, kSansSerif});
    m_Label1 = form.label(
        this, {"Label1", "First Choose An Option You want To calculate", {720, 0, 4935, 375}, 1, kSansSerif});
    form.finish();
    m_Text1->setAccessibleName(m_Label2->text());
    forms::SetDefaultButton(this, m_Command1);

    m_Option1->onSelected(this, &Form5::Option1_Click);
    m_Option2->onSelected(this, &Form5::Option2_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form5::Command3_Click);

    m_Text1->setFocus();
    Form_Load();
}

void Form5::Form_Load() {
    forms::CentreOnScreen(this);
}

void Form5::Option1_Click() {
    m_Text1->setFocus();
}

void Form5::Option2_Click() {
    m_Text1->setFocus();
}

void Form5::Command1_Click() {
    // A failed reading skips the computation, and the length keeps its starting 0.
    float length = 0.0f;
    if (m_Option1->isChecked()) {
        if (const std::optional<double> rpm = forms::ReadLeading(m_Text1)) {
            length = quillon::PrimaryLength(*rpm).value;
        }
        m_Label3->setText(QString::fromStdString(quillon::PrimaryLengthText(length)));
        m_Label4->setText(QStringLiteral(" At (X)RPM, Primary Lengths = "));
        m_Label5->setText(
            QStringLiteral("For Best Acceleration Calculate Primary Lengths To Where Max Torque "
                           "Is.And For Top End Power Calculate At Max R/P/M."));
    } else if (m_Option2->isChecked()) {
        const numtext::StrictReading rpm = forms::ReadStrict(m_Text1);
        if (rpm.ok()) {
            length = quillon::InletLength(rpm.value).value;
        }
        m_Label3->setText(QString::fromStdString(quillon::InletLengthText(length)));
        m_Label4->setText(QStringLiteral(" At(X)RPM,Inlet Length = "));
        m_Label5->setText(QStringLiteral(
            " Inlet Lengths Should Be Calculated At Best Torque RPM For Low Down Power And Acceleration."));
        m_Text1->setFocus();
    }
}

void Form5::Command2_Click() {
    m_Text1->setText(QString());
    m_Label3->setText(QString());
    m_Label4->setText(QString());
    m_Label5->setText(QString());
    m_Text1->setFocus();
}

void Form5::Command3_Click() {
    close();
}
