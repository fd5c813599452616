// SPDX-License-Identifier: GPL-3.0-or-later
#include "significant_text.h"

#include "decimal.h"

namespace numtext::detail {
namespace {

// Below this decimal exponent a value is written in exponent form too.
constexpr int kSmallExponent = -4;

} // namespace

void AppendSignificantText(std::string& text, double finiteValue, const SignificantStyle& style) {
    if (finiteValue == 0) {
        text.push_back('0');
        return;
    }
    Scientific d = ToScientific(finiteValue, style.digits);
    while (d.count > 1 && d.buffer[d.count - 1] == '0') {
        --d.count;
    }
    const std::string_view digits = d.digits();
    if (d.exponent >= style.exponentFrom || d.exponent < kSmallExponent) {
        text.append(digits.substr(0, 1));
        if (digits.size() > 1) {
            text.append(style.point).append(digits.substr(1));
        }
        text.append(ExponentText(d.exponent));
        return;
    }
    if (d.exponent >= 0) {
        const auto wholeLength = static_cast<std::size_t>(d.exponent) + 1;
        text.append(digits.substr(0, wholeLength));
        if (digits.size() < wholeLength) {
            text.append(wholeLength - digits.size(), '0');
        } else if (digits.size() > wholeLength) {
            text.append(style.point).append(digits.substr(wholeLength));
        }
        return;
    }
    if (style.zeroBeforePoint) {
        text.push_back('0');
    }
    text.append(style.point);
    text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    text.append(digits);
}

} // namespace numtext::detail
