// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms' label: plain text, wrapped at word boundaries within its width, on its container's
// ground unless given a back colour. A screen reader reads exactly the text it shows.

#include <QLabel>

namespace forms {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString& caption, QWidget* parent);
};

} // namespace forms
