// SPDX-License-Identifier: GPL-3.0-or-later
#include "info_window.h"

#include "dialog_colours.h"
#include "dialog_table.h"
#include "lamp_icons.h"

#include <desktop/placement.h>

#include <QKeyEvent>
#include <QPushButton>

#include <array>
#include <vector>

namespace {

constexpr std::array<const char*, 15> kTextLines = {
    "",
    "",
    "",
    "Please note that the ET/ES numbers produced by this program are as their names suggest",
    "- estimated. These number are determined using these common formulas:",
    "ET = 5.82 * (Weight / Power) ^ (1/3)",
    "ES = 234 * (Power / Weight) ^ (1/3)",
    "These formulas do not take in to account many things such as excess wheel spin while",
    "traveling down the track, or the gear ratios and tire size. In order to get accurate ETs and",
    "ESs as well as much much more, you need to use more advance software. Please check",
    "the user guide installed with this program for more details: user-guide.md in",
    "share/doc/dragstrip-workshop under the folder it was installed in (/usr with",
    "the Debian package). Vellarin is brought to you by the drag-strip workshop",
    "developers, who build tools for people who build engines and race cars on the",
    "drag strip.",
};

std::vector<DialogControl> InfoTable() {
    std::vector<DialogControl> rows{{101, ControlKind::Label, "Vellarin V1.5", 80, 12, 140, 10}};
    for (int line = 0; line < 4; ++line) {
        rows.push_back({102, ControlKind::Label, kNoticeLines[line], 80, 22 + 10 * line, 140, 10});
    }
    for (int k = 1; k <= 15; ++k) {
        rows.push_back(
            {102, ControlKind::Label, kTextLines[static_cast<std::size_t>(k - 1)], 3, 59 + 8 * k, 290, 8});
    }
    rows.push_back({1, ControlKind::Button, "&OK", 90, 193, 120, 14});
    return rows;
}

} // namespace

InfoWindow::InfoWindow(QWidget* owner)
    : QDialog(owner) {
    SetUpTrainerWindow(this, "InfoWindow");
    setWindowIcon(TrainerIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    const std::vector<DialogControl> table = InfoTable();
    BuildControls(this, table);
    auto* ok = DialogChild<QPushButton>(this, 1);
    ok->setDefault(true);
    ApplyDialogColours(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    desktop::CentreOuter(this);
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
