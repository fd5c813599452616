// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/box_numbers.h>

#include <QLineEdit>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace forms {

namespace {

// The digit groups of a number as the locale writes it, their sizes in digits (code points).
QList<int> Groups(const QLocale& locale, qulonglong number) {
    QList<int> sizes;
    for (const QString& group : locale.toString(number).split(locale.groupSeparator())) {
        sizes << static_cast<int>(group.toUcs4().size());
    }
    return sizes;
}

// The group sizes a locale writes with: the last group, the ones before it, and the most digits
// in the leading group, which some locales let run longer rather than leave one digit alone.
void ReadGroupSizes(const QLocale& locale, numtext::Notation& notation) {
    if (locale.groupSeparator().isEmpty()) {
        return;
    }
    const QList<int> ten = Groups(locale, Q_UINT64_C(1234567890));
    if (ten.size() < 3) {
        return;
    }
    notation.groupSize = ten.at(ten.size() - 1);
    notation.higherGroupSize = ten.at(ten.size() - 2);
    notation.leadingGroupMost = notation.higherGroupSize;
    qulonglong nines = 9; // unsigned: the step after the last one may wrap
    for (int digits = 1; digits <= 18; ++digits, nines = nines * 10 + 9) {
        const QList<int> groups = Groups(locale, nines);
        if (groups.size() > 1) {
            notation.leadingGroupMost = std::max(notation.leadingGroupMost, groups.front());
        }
    }
}

} // namespace

numtext::Notation NotationOf(const QLocale& locale) {
    numtext::Notation notation;
    notation.decimalSeparator = locale.decimalPoint().toStdString();
    notation.groupSeparator = locale.groupSeparator().toStdString();
    ReadGroupSizes(locale, notation);
    notation.minusSign = locale.negativeSign().toStdString();
    notation.plusSign = locale.positiveSign().toStdString();
    notation.exponential = locale.exponential().toStdString();
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    notation.zeroDigit = zero.isEmpty() ? U'0' : static_cast<char32_t>(zero.front());
    return notation;
}

numtext::Notation UserNotation() {
    return NotationOf(QLocale::system());
}

std::optional<double> ReadLeading(const QLineEdit* box) {
    return numtext::ReadLeadingNumber(box->text().toStdString());
}

numtext::StrictReading ReadStrict(const QLineEdit* box) {
    return numtext::ReadLocaleNumber(box->text().toStdString(), UserNotation());
}

} // namespace forms
