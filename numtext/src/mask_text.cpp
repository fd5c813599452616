#include "decimal.h"

#include <numtext/numtext.h>

#include <cmath>

namespace numtext {
namespace {

// The seven significant digits of a float, as the float carries them.
constexpr int kFloatDigits = 7;

// round(|value| x 10^places), halves away from zero, from the value's seven-digit decimal: the
// digits beyond the seventh are zeros, so a 5 in the first dropped place is at least a half.
std::string ScaledWholeDigits(const detail::Scientific& d, int places) {
    const long long keep = static_cast<long long>(d.exponent) + 1 + places;
    if (keep <= 0) {
        return keep == 0 && d.digits.front() >= '5' ? "1" : "0";
    }
    std::string digits = d.digits;
    if (keep >= static_cast<long long>(digits.size())) {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
        return digits;
    }
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    return digits;
}

} // namespace

std::string MaskNumberText(std::string_view mask, float value) {
    if (!std::isfinite(value)) {
        return std::string(detail::NonFiniteText(value));
    }
    int places = 0;
    std::string_view tail = mask;
    const bool point = !tail.empty() && tail.front() == '.';
    if (point) {
        tail.remove_prefix(1);
        while (!tail.empty() && tail.front() == '0') {
            tail.remove_prefix(1);
            ++places;
        }
    }

    std::string text;
    if (value < 0) {
        text.push_back('-');
    }
    std::string scaled = ScaledWholeDigits(detail::ToScientific(value, kFloatDigits), places);
    if (scaled.size() <= static_cast<std::size_t>(places)) {
        scaled.insert(0, static_cast<std::size_t>(places) + 1 - scaled.size(), '0');
    }
    const std::size_t wholeLength = scaled.size() - static_cast<std::size_t>(places);
    const std::string_view whole = std::string_view(scaled).substr(0, wholeLength);
    if (whole != "0") {
        text.append(whole);
    }
    if (point) {
        text.push_back('.');
        text.append(scaled, wholeLength);
    }
    text.append(tail);
    return text;
}

} // namespace numtext
