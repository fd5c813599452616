// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers from the text of a box: the lenient reading, the strict reading in the user's locale
// notation (separators, signs, digits and exponent as Qt writes them), and the notation itself,
// for numtext, which knows no locale.

#include <numtext/numtext.h>

#include <optional>

class QLineEdit;
class QLocale;

namespace forms {

numtext::Notation NotationOf(const QLocale& locale);
numtext::Notation UserNotation();

std::optional<double> ReadLeading(const QLineEdit* box);
numtext::StrictReading ReadStrict(const QLineEdit* box);

} // namespace forms
