// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour rule of the trainer's windows: a white background; label and field text dark green for
// id 101, pure blue for id 161, black for every other id; buttons in the system's own colours.

class QWidget;

void ApplyDialogColours(QWidget* window);
