// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs' number texts of a float written a second way, from the exact decimal value of its
// bits (exact_decimal.h) and integer arithmetic, so that the property test and the exhaustive check
// compare two independent formulations of the same rules.

#include "exact_decimal.h"

#include <string>
#include <string_view>

namespace reference {

// One float's texts, its exact decimal worked out once for all of them.
class FloatTexts {
public:
    explicit FloatTexts(float value);
    std::string Mask(int places, std::string_view tail) const;
    std::string Plain() const;
    std::string Trainer(std::string_view prefix, int wholePlaces, int decimals) const;

private:
    float m_value;
    Leading20 m_exact;
    Rounded m_seven;
};

// numtext's mask: a point, `places` digits and the tail, from seven significant digits.
std::string MaskText(int places, std::string_view tail, float value);
// numtext's plain text: a blank or a minus, at most seven significant digits.
std::string PlainText(float value);
// The trainer's picture mask: the prefix, then a field of `wholePlaces` digits, a point and
// `decimals` digits, right-aligned, from nineteen significant digits with halves rounded up.
std::string TrainerMaskText(std::string_view prefix, int wholePlaces, int decimals, float value);

} // namespace reference
