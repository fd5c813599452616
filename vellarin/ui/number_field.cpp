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

// A paste that does not fit loses the characters it brought last, just before the cursor.
void NumberField::keepWithinWidth() {
    QString current = text();
    int cursor = cursorPosition();
    if (fits(current)) {
        return;
    }
    while (!current.isEmpty() && !fits(current)) {
        const int at = cursor > 0 ? cursor - 1 : current.size() - 1;
        current.remove(at, 1);
        cursor = std::max(0, at);
    }
    setText(current);
    setCursorPosition(cursor);
}
