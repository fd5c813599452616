#pragma once
// Numbers from the text of a box: the lenient reading, the strict reading in the user's locale
// notation (decimal and group separators as Qt reports them), and the notation itself, for
// numtext, which knows no locale.

#include <numtext/numtext.h>

#include <optional>

class QLineEdit;

namespace forms {

numtext::Notation UserNotation();

std::optional<double> ReadLeading(const QLineEdit* box);
numtext::StrictReading ReadStrict(const QLineEdit* box);

} // namespace forms
