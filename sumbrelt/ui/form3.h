// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cubic-capacity calculator window: bore, stroke and cylinders in, the capacity out, and Print,
// which posts the fields and the result to the record window and counts the presses on it. It owns
// the record window while that is open, and the press count for its own life.

#include <QPointer>
#include <QWidget>

class Form9;
class QLabel;
class QLineEdit;
class QPushButton;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    void Form_Load();
    void CmdCalculate_Click();
    void CmdClear_Click();
    void CmdQuit_Click();
    void CmdPrint_Click();
    void CmdPrint_MouseDown();

    int PrintPressCount() const { return m_printPressCount; }
    Form9* RecordWindow() const; // while it is open

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_Text1;
    QLineEdit* m_Text2;
    QLineEdit* m_Text3;
    QLabel* m_Label4;
    QLabel* m_Label5;
    QPushButton* m_CmdCalculate;
    QPushButton* m_CmdClear;
    QPushButton* m_CmdQuit;
    QPushButton* m_CmdPrint;

    int m_printPressCount = 0;
    QPointer<Form9> m_form9;
};
