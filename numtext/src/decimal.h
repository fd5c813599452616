// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decimal digits of a binary number and back, the common ground of the readers and the formatters.
// Internal to numtext; callers use numtext.h.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numtext::detail {

// A finite value as d1.d2d3... x 10^exponent with a fixed count of significant digits (at most 17).
// Held in place: the formatters run billions of times in the exhaustive check.
struct Scientific {
    bool negative = false;
    std::array<char, 20> buffer{};
    std::size_t count = 0; // exactly the requested count, trailing zeros kept
    int exponent = 0;
    std::string_view digits() const { return {buffer.data(), count}; }
};

// Rounds the exact binary value to nearest (ties to even). Zero gives all-zero digits and exponent 0.
Scientific ToScientific(double finiteValue, int significantDigits);

// The one text every formatter writes for infinity and not-a-number.
std::string_view NonFiniteText(double value);

// "E+07", "E-05", "E+308": at least two exponent digits.
std::string ExponentText(int exponent);

bool IsDigit(char c);

// The double nearest to sign intDigits.fracDigits x 10^exponent; empty when beyond the double range.
// Zero, and values too small for a double, give zero without a sign.
std::optional<double> DecimalToDouble(bool negative, std::string_view intDigits, std::string_view fracDigits,
                                      long long exponent);

// Adds a digit to a saturating exponent, so a thousand exponent digits cannot overflow an integer.
long long AppendExponentDigit(long long exponent, char digit);

} // namespace numtext::detail
