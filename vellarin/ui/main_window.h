// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's main window: weight and power in, the ET and ES lines out, the info window, and
// Start, which ends this phase and asks for the light tree. Shown modally; Escape does nothing.

#include <QDialog>

struct TrainerState;
class QLabel;
class QLineEdit;
class QPushButton;

class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(TrainerState& state, QWidget* parent = nullptr);

    void CalculateEt();
    void ShowInfo();
    void StartTrainer();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TrainerState& m_state;
    QLineEdit* m_weight;
    QLineEdit* m_power;
    QLabel* m_etLine;
    QLabel* m_esLine;
};
