// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pressure converter window: a value and its unit in the "From" frame, the wanted unit and the
// result in the "To" frame, and Calculate as the default button. Reads and writes numbers in the
// user's locale; a text that is not a number is reported and the user corrects it.

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();

private:
    QGroupBox* m_Frame1;
    QLineEdit* m_Text1;
    QComboBox* m_Combo1;
    QGroupBox* m_Frame2;
    QLineEdit* m_Text2;
    QComboBox* m_Combo2;
    QPushButton* m_Command1;
};
