// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "dialog_colours.h"
#include "dialog_table.h"
#include "info_window.h"
#include "lamp_icons.h"
#include "trainer_state.h"

#include <desktop/placement.h>
#include <vellarin/estimator.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr DialogControl kMainWindow[] = {
    {101, ControlKind::Label, "Vellarin V1.5", 80, 12, 140, 10},
    {102, ControlKind::Label, kNoticeLines[0], 80, 22, 140, 10},
    {102, ControlKind::Label, kNoticeLines[1], 80, 32, 140, 10},
    {102, ControlKind::Label, kNoticeLines[2], 80, 42, 140, 10},
    {102, ControlKind::Label, kNoticeLines[3], 80, 52, 140, 10},
    {161, ControlKind::Label, "", 80, 72, 140, 10},
    {102, ControlKind::Label, "Please enter you vehicle weight in lbs.:", 80, 92, 140, 10},
    {201, ControlKind::NumberField, "3500", 90, 102, 120, 10},
    {102, ControlKind::Label, "Please enter you vehicle horse power:", 80, 117, 140, 10},
    {202, ControlKind::NumberField, "165", 90, 125, 120, 10},
    {1, ControlKind::Button, "&Calculate ET", 90, 142, 120, 14},
    {251, ControlKind::Label, "Estimated 1/4 mile time: 16.11 sec.", 80, 161, 140, 10},
    {252, ControlKind::Label, "Estimated 1/4 mile speed: 84.53 mph", 80, 171, 140, 10},
    {12, ControlKind::Button, "Info &About Vellarin", 25, 193, 120, 14},
    {13, ControlKind::Button, "&Start Vellarin", 155, 193, 120, 14},
};

} // namespace

MainWindow::MainWindow(TrainerState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    SetUpTrainerWindow(this, "MainWindow");
    setWindowIcon(TrainerIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    BuildControls(this, kMainWindow);
    m_weight = DialogChild<QLineEdit>(this, 201);
    m_power = DialogChild<QLineEdit>(this, 202);
    m_etLine = DialogChild<QLabel>(this, 251);
    m_esLine = DialogChild<QLabel>(this, 252);
    auto* calculate = DialogChild<QPushButton>(this, 1);
    auto* info = DialogChild<QPushButton>(this, 12);
    auto* start = DialogChild<QPushButton>(this, 13);
    // The button with the dialog's OK identifier: Enter in a number field presses it.
    calculate->setDefault(true);
    ApplyDialogColours(this);

    connect(calculate, &QPushButton::clicked, this, &MainWindow::CalculateEt);
    connect(info, &QPushButton::clicked, this, &MainWindow::ShowInfo);
    connect(start, &QPushButton::clicked, this, &MainWindow::StartTrainer);
    m_weight->setFocus();
    desktop::CentreOuter(this);
}

void MainWindow::CalculateEt() {
    const vellarin::EtEstimate estimate =
        vellarin::CalculateEt(m_weight->text().toStdString(), m_power->text().toStdString());
    m_state.currentEt = estimate.et;
    m_etLine->setText(QString::fromStdString(estimate.etLine));
    m_esLine->setText(QString::fromStdString(estimate.esLine));
}

void MainWindow::ShowInfo() {
    InfoWindow info(this);
    info.exec();
    activateWindow();
}

void MainWindow::StartTrainer() {
    m_state.startRequested = true;
    accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // No control carries the cancel identifier, so Escape closes nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
