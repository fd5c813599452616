// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"
#include "significant_text.h"

#include <numtext/numtext.h>

#include <cmath>

namespace numtext {

std::string PlainNumberText(float value) {
    if (!std::isfinite(value)) {
        // In the place of a number, with the blank a number that is not negative has.
        return (value < 0 ? "" : " ") + std::string(detail::NonFiniteText(value));
    }
    const detail::SignificantStyle style{7, 7, false, "."};
    std::string text(1, value < 0 ? '-' : ' ');
    detail::AppendSignificantText(text, std::fabs(value), style);
    return text;
}

std::string GeneralNumberText(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(detail::NonFiniteText(value));
    }
    const detail::SignificantStyle style{15, 15, true, decimalSeparator};
    std::string text(value < 0 ? "-" : "");
    detail::AppendSignificantText(text, std::fabs(value), style);
    return text;
}

} // namespace numtext
