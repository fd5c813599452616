// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's number field: centred text, typed digits only, and typing stops when the field is
// full, since it does not scroll. Pasted text is taken as it comes (as far as it fits); the reading
// rule copes with it.

#include <QLineEdit>

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    NumberField(const QString& text, QWidget* parent);

    bool fits(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepWithinWidth();
};
