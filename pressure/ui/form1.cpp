// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <forms/box_numbers.h>
#include <forms/default_button.h>
#include <forms/form_builder.h>
#include <forms/message_box.h>
#include <forms/placement.h>
#include <forms/window_kind.h>
#include <numtext/numtext.h>
#include <pressure/conversion.h>

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList UnitNames() {
    QStringList names;
    for (std::string_view name : pressure::PressureUnits) {
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

// Every image of the icon file, so the window system picks the size it shows.
QIcon GaugeIcon() {
    QIcon icon;
    QImageReader reader(QStringLiteral(":/pressure/gauge.ico"));
    do {
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    } while (reader.jumpToNextImage());
    return icon;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent) {
    forms::SetUpWindow(this, "Form1", QStringLiteral("Pressure Converter"),
                       {forms::Border::FixedSingle, true, false}, 5910, 1830);
    Q_INIT_RESOURCE(pressure); // the icon lives in a static library, out of the linker's sight
    setWindowIcon(GaugeIcon());

    forms::FormBuilder form(this);
    m_Frame1 = form.frame(this, {"Frame1", "From", {120, 120, 2775, 1095}, 0});
    m_Text1 = form.textBox(m_Frame1, {"Text1", "0", {120, 240, 2535, 285}, 2});
    m_Combo1 = form.dropDownList(m_Frame1, {"Combo1", "", {120, 600, 2535, 315}, 5}, UnitNames());
    m_Frame2 = form.frame(this, {"Frame2", "To", {3000, 120, 2775, 1095}, 1});
    m_Text2 = form.textBox(m_Frame2, {"Text2", "0", {120, 240, 2535, 285}, 3});
    m_Combo2 = form.dropDownList(m_Frame2, {"Combo2", "", {120, 600, 2535, 315}, 6}, UnitNames());
    m_Command1 = form.button(this, {"Command1", "Calculate", {120, 1320, 5655, 375}, 4});
    form.finish();
    m_Text1->setAccessibleName(QStringLiteral("From value"));
    m_Combo1->setAccessibleName(QStringLiteral("From unit"));
    m_Text2->setAccessibleName(QStringLiteral("To value"));
    m_Combo2->setAccessibleName(QStringLiteral("To unit"));
    forms::SetDefaultButton(this, m_Command1);

    connect(m_Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    m_Text1->setFocus();
    Form_Load();
}

void Form1::Form_Load() {
    // Picking from code runs no handler: nothing is connected to the lists.
    m_Combo1->setCurrentIndex(0);
    m_Combo2->setCurrentIndex(0);
    forms::CentreOnScreen(this);
}

void Form1::Command1_Click() {
    const std::string text = m_Text1->text().toStdString();
    const int to = m_Combo2->currentIndex() + 1;
    const int from = m_Combo1->currentIndex() + 1;
    const numtext::Notation notation = forms::UserNotation();
    const numtext::StrictReading reading = numtext::ReadLocaleNumber(text, notation);
    if (!reading.ok()) {
        // The user corrects the text and goes on; the last result stays where it is.
        const numtext::ReadError error = *reading.error;
        forms::ShowMessage(this,
                           QStringLiteral("%1 (error %2)")
                               .arg(QString::fromStdString(std::string(numtext::ErrorDescription(error))))
                               .arg(numtext::ErrorNumber(error)));
        m_Text1->setFocus();
        return;
    }
    const double product = pressure::ConvertPressure(reading.value, from, to);
    m_Text2->setText(QString::fromStdString(numtext::GeneralNumberText(product, notation.decimalSeparator)));
}
