// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms' drop-down list: the user picks one of a fixed set of entries and cannot type into it.
// A screen reader finds it named for its role (its accessible name), not by the entry it shows;
// reads the chosen entry as its value; and lists the entries, any of which it can choose.

#include <QComboBox>

namespace forms {

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent);
};

} // namespace forms
