// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs' message box: the text, a single OK button, the program's name as title; modal, and
// returns only when the user has dismissed it.

class QString;
class QWidget;

namespace forms {

void ShowMessage(QWidget* parent, const QString& text);

} // namespace forms
