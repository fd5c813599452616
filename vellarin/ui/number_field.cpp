// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_field.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kTextMargin = 2;

} // namespace

NumberField::NumberField(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textEdited, this, &NumberField::keepWithinWidth);
}

bool NumberField::fits(const QString& text) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return fontMetrics().horizontalAdvance(text) <= contents.width() - 2 * kTextMargin;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        const bool digits =
            std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
        QString next = text();
        next.replace(selectionStart() < 0 ? cursorPosition() : selectionStart(), selectedText().size(),
                     typed);
        if (!digits || !fits(next)) {
            event->accept(); // refused: not a digit, or the field is full
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// A paste that does not fit loses the characters it brought last, just before the cursor. The count
// to drop is found by halving, so a megabyte pasted in costs a few measurements, not a million.
void NumberField::keepWithinWidth() {
    const QString current = text();
    if (fits(current)) {
        return;
    }
    const int cursor = cursorPosition() > 0 ? cursorPosition() : static_cast<int>(current.size());
    auto without = [&current, cursor](int count) {
        QString shorter = current;
        shorter.remove(cursor - count, count);
        return shorter;
    };
    int tooFew = 0;      // dropping this many still does not fit
    int enough = cursor; // dropping everything before the cursor
    if (!fits(without(enough))) {
        setText(QString()); // even the text after the cursor is too wide
        return;
    }
    while (enough - tooFew > 1) {
        const int middle = tooFew + (enough - tooFew) / 2;
        (fits(without(middle)) ? enough : tooFew) = middle;
    }
    setText(without(enough));
    setCursorPosition(cursor - enough);
}
