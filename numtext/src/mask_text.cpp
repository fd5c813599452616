// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <numtext/numtext.h>

#include <cmath>

namespace numtext {
namespace {

// The seven significant digits of a float, as the float carries them.
constexpr int kFloatDigits = 7;

// Room for the largest float's 39 whole digits and two decimals.
using ScaledBuffer = std::array<char, 48>;

// round(|value| x 10^places), halves away from zero, from the value's seven-digit decimal: the
// digits beyond the seventh are zeros, so a 5 in the first dropped place is at least a half.
std::string_view ScaledWholeDigits(const detail::Scientific& d, int places, ScaledBuffer& buffer) {
    const std::string_view digits = d.digits();
    const long long keep = static_cast<long long>(d.exponent) + 1 + places;
    if (keep <= 0) {
        return keep == 0 && digits.front() >= '5' ? "1" : "0";
    }
    char* const start = buffer.data() + 1; // one place in front for a carry
    if (keep >= static_cast<long long>(digits.size())) {
        std::copy(digits.begin(), digits.end(), start);
        std::fill(start + digits.size(), start + keep, '0');
        return {start, static_cast<std::size_t>(keep)};
    }
    std::copy(digits.begin(), digits.begin() + keep, start);
    if (digits[static_cast<std::size_t>(keep)] < '5') {
        return {start, static_cast<std::size_t>(keep)};
    }
    char* p = start + keep;
    while (p > start && *(p - 1) == '9') {
        *--p = '0';
    }
    if (p == start) {
        buffer[0] = '1';
        return {buffer.data(), static_cast<std::size_t>(keep) + 1};
    }
    ++*(p - 1);
    return {start, static_cast<std::size_t>(keep)};
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

    ScaledBuffer buffer;
    const std::string_view scaled =
        ScaledWholeDigits(detail::ToScientific(value, kFloatDigits), places, buffer);
    const auto decimals = static_cast<std::size_t>(places);
    std::string text;
    text.reserve(scaled.size() + tail.size() + 4);
    if (value < 0) {
        text.push_back('-');
    }
    if (scaled.size() > decimals) {
        const std::string_view whole = scaled.substr(0, scaled.size() - decimals);
        if (whole != "0") {
            text.append(whole);
        }
    }
    if (point) {
        text.push_back('.');
        if (scaled.size() < decimals) {
            text.append(decimals - scaled.size(), '0');
        }
        text.append(scaled.substr(scaled.size() > decimals ? scaled.size() - decimals : 0));
    }
    text.append(tail);
    return text;
}

} // namespace numtext
