// SPDX-License-Identifier: GPL-3.0-or-later
#include "light_tree_window.h"

#include "dialog_colours.h"
#include "dialog_table.h"
#include "lamp_icons.h"

#include <desktop/placement.h>
#include <vellarin/light_tree_sequence.h>

#include <QLabel>

#include <vector>

namespace {

constexpr int kRows = 7;
constexpr int kColumns = 4;
constexpr int kLampPixels = 32; // a lamp shows its icon at the icon's own size

// The two pairs of columns and the three groups of rows (staging, ambers, green and red).
int LampX(int column) {
    return (column - 1) * 24 + (column <= 2 ? 18 : 30);
}
int LampY(int row) {
    return (row - 1) * 24 + (row <= 2 ? 17 : row <= 5 ? 25 : 31);
}
int LampId(int row, int column) {
    return 300 + 10 * row + column;
}

std::vector<DialogControl> WindowTable() {
    std::vector<DialogControl> rows;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            rows.push_back({LampId(row, column), ControlKind::Lamp, "", LampX(column), LampY(row), 5, 5});
        }
    }
    rows.push_back({101, ControlKind::Label, "Vellarin", 125, 30, 175, 10});
    rows.push_back({101, ControlKind::Label, "Light-Tree Reflex Timer", 125, 40, 175, 10});
    rows.push_back({150, ControlKind::Label, "ET with Reaction Time: _.____", 125, 83, 175, 10});
    rows.push_back({151, ControlKind::Label, "Last Reaction Time: _.____", 125, 93, 175, 10});
    rows.push_back({152, ControlKind::Label, "Average of Last Five: _.____", 125, 103, 175, 10});
    rows.push_back({161, ControlKind::Label, "Press any key to light first stage lights", 125, 125, 175, 10});
    return rows;
}

} // namespace

LightTreeWindow::LightTreeWindow()
    : QWidget(nullptr)
    , m_rowNames{"REDOFF", "REDOFF", "YELOFF", "YELOFF", "YELOFF", "GRNOFF", "REDOFF"} {
    SetUpTrainerWindow(this, "LightTreeWindow");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(TrainerIcon());
    const std::vector<DialogControl> table = WindowTable();
    const QList<QWidget*> controls = BuildControls(this, table);
    for (std::size_t i = 0; i < m_lamps.size(); ++i) {
        const int row = static_cast<int>(i) / kColumns + 1;
        m_lamps[i] = DialogChild<QLabel>(this, LampId(row, static_cast<int>(i) % kColumns + 1));
        m_lamps[i]->resize(kLampPixels, kLampPixels);
        m_lamps[i]->setPixmap(LampImage(m_rowNames[i / kColumns]));
        m_lamps[i]->setAccessibleName(m_rowNames[i / kColumns]);
    }
    m_etLine = DialogChild<QLabel>(this, 150);
    m_lastLine = DialogChild<QLabel>(this, 151);
    m_averageLine = DialogChild<QLabel>(this, 152);
    m_prompt = DialogChild<QLabel>(this, 161);
    // A click on a lamp or a label is a click on the window, where the light tree counts it.
    for (QWidget* control : controls) {
        control->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    ApplyDialogColours(this);
    desktop::CentreOuter(this);
}

void LightTreeWindow::ShowTreeState(int state) {
    for (int row = 1; row <= kRows; ++row) {
        QString& name = m_rowNames[static_cast<std::size_t>(row - 1)];
        name = name.left(3) + (row <= state ? QStringLiteral("ON") : QStringLiteral("OFF"));
    }
    // Every lamp is set on every call, also those whose image stays the same.
    for (std::size_t i = 0; i < m_lamps.size(); ++i) {
        m_lamps[i]->setPixmap(LampImage(m_rowNames[i / kColumns]));
        m_lamps[i]->setAccessibleName(m_rowNames[i / kColumns]);
    }
    m_prompt->setText(QString::fromLatin1(vellarin::TreePrompt(state).data(),
                                          static_cast<qsizetype>(vellarin::TreePrompt(state).size())));
}

void LightTreeWindow::ShowResults(const vellarin::RunTexts& texts) {
    m_etLine->setText(QString::fromStdString(texts.etLine));
    m_lastLine->setText(QString::fromStdString(texts.lastLine));
    if (texts.averageLine) {
        m_averageLine->setText(QString::fromStdString(*texts.averageLine));
    }
}
