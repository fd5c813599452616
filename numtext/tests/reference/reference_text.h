// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs' number texts written a second way, from the exact decimal value of a float's or a
// double's bits (exact_decimal.h) and integer arithmetic, so that the property test and the
// exhaustive check compare two independent formulations of the same rules.

#include "exact_decimal.h"

#include <string>
#include <string_view>

namespace reference {

// One value's texts, its exact decimal worked out once for all of them. Mask and Plain are the texts
// of a float and take the value as one.
class ExactTexts {
public:
    explicit ExactTexts(double value);
    std::string Mask(int places, std::string_view tail) const;
    std::string Plain() const;
    std::string Trainer(std::string_view prefix, int wholePlaces, int decimals) const;
    // numtext's general number text: at most fifteen significant digits, ties to even.
    std::string General(std::string_view separator) const;
    const Leading20& exact() const { return m_exact; }

private:
    double m_value;
    Leading20 m_exact;
    Rounded m_seven;
};

// numtext's mask: a point, `places` digits and the tail, from seven significant digits.
std::string MaskText(int places, std::string_view tail, float value);
// numtext's plain text: a blank or a minus, at most seven significant digits.
std::string PlainText(float value);

} // namespace reference
