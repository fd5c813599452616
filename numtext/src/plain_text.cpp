#include "decimal.h"
#include "significant_text.h"

#include <numtext/numtext.h>

#include <cmath>

namespace numtext {

std::string PlainNumberText(float value) {
    if (!std::isfinite(value)) {
        return std::string(detail::NonFiniteText(value));
    }
    const detail::SignificantStyle style{7, 7, false, "."};
    return (value < 0 ? "-" : " ") + detail::SignificantText(std::fabs(value), style);
}

std::string GeneralNumberText(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(detail::NonFiniteText(value));
    }
    const detail::SignificantStyle style{15, 15, true, decimalSeparator};
    return (value < 0 ? "-" : "") + detail::SignificantText(std::fabs(value), style);
}

} // namespace numtext
