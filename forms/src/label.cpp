// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/label.h>

namespace forms {

Label::Label(const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

} // namespace forms
