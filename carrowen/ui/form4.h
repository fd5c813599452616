// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rod-ratio and piston-speed calculator window: two modes chosen by two option buttons, two boxes,
// and a result label with an advice label. It reads the boxes, calls the computations and writes the
// labels; it keeps no data beyond what its controls show.

#include <forms/option_button.h>

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    void Form_Load();
    void OPTROD_Click();
    void OPTPIS_Click();
    void Cmdcalculate_Click();
    void Cmdclear_Click();
    void CmdQuit_Click();

private:
    forms::OptionButton* m_OPTPIS;
    forms::OptionButton* m_OPTROD;
    QLineEdit* m_Text3;
    QGroupBox* m_Frame1;
    QPushButton* m_CmdQuit;
    QPushButton* m_Cmdclear;
    QPushButton* m_Cmdcalculate;
    QLineEdit* m_Text4;
    QLabel* m_Label9;
    QLabel* m_Label8;
    QLabel* m_Label7;
    QLabel* m_Label6;
    QLabel* m_Label5;
    QLabel* m_Label2;
    QLabel* m_Label1;
};
