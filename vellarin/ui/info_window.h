// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's info window: what the estimates are and leave out, and who makes the program.
// Modal over the main window; OK, Enter or the close box close it; Escape does nothing.

#include <QDialog>

// The makers' notice, shown by the main window and the info window alike.
inline constexpr const char* kNoticeLines[4] = {
    "Copyright (C) 2026",
    "the drag-strip workshop developers.",
    "Free software under the GNU GPL,",
    "version 3 or later; no warranty.",
};

class InfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
