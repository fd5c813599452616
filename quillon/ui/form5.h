// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inlet and exhaust length calculator window: one engine-speed box, two options choosing the
// length, and labels for the value, its caption and advice. The primary length reads the box the
// lenient way, the inlet length the strict way in the user's locale; the window keeps no data.

#include <forms/option_button.h>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    QPushButton* m_Command3;
    QPushButton* m_Command2;
    QPushButton* m_Command1;
    forms::OptionButton* m_Option2;
    forms::OptionButton* m_Option1;
    QLineEdit* m_Text1;
    QLabel* m_Label5;
    QLabel* m_Label4;
    QLabel* m_Label3;
    QLabel* m_Label2;
    QLabel* m_Label1;
};
