// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reflex timer's window: 28 lamps in seven rows of four, the program and tool names, three
// result lines and the prompt. It shows a sequence state and the result texts it is given; the
// sequence and its loop live elsewhere. Closing it destroys it.

#include <QWidget>

#include <vellarin/light_tree_sequence.h>

#include <array>

class QLabel;

class LightTreeWindow : public QWidget {
    Q_OBJECT
public:
    LightTreeWindow();

    // Lights rows 1 to state (states above 7 light all seven) and sets the state's prompt.
    void ShowTreeState(int state);
    // A measured run's lines; the average line stays as it was until there is one.
    void ShowResults(const vellarin::RunTexts& texts);

    QString rowName(int row) const { return m_rowNames[static_cast<std::size_t>(row - 1)]; }

private:
    std::array<QString, 7> m_rowNames;
    std::array<QLabel*, 28> m_lamps{};
    QLabel* m_etLine = nullptr;
    QLabel* m_lastLine = nullptr;
    QLabel* m_averageLine = nullptr;
    QLabel* m_prompt = nullptr;
};
