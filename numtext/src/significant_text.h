// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared shape of PlainNumberText and GeneralNumberText: significant digits without trailing
// zeros, in plain or exponent form. Internal to numtext.

#include <string>
#include <string_view>

namespace numtext::detail {

struct SignificantStyle {
    int digits;             // significant digits kept
    int exponentFrom;       // decimal exponent from which the exponent form is used
    bool zeroBeforePoint;   // 0.5 rather than .5
    std::string_view point; // decimal separator
};

// Appends the magnitude of a finite value, without any sign.
void AppendSignificantText(std::string& text, double finiteValue, const SignificantStyle& style);

} // namespace numtext::detail
