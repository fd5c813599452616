// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace numtext::detail {

Scientific ToScientific(double finiteValue, int significantDigits) {
    // Room for the sign, 17 significant digits, point and a three-digit exponent.
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, finiteValue,
                                         std::chars_format::scientific, significantDigits - 1);
    (void)ec; // the buffer always fits a finite double at this precision
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

    Scientific result;
    if (!text.empty() && text.front() == '-') {
        result.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            result.buffer[result.count++] = c;
        }
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    result.exponent);
    return result;
}

std::string_view NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "Not a number";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

std::string ExponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) {
        text.push_back('0');
    }
    return text + digits;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

long long AppendExponentDigit(long long exponent, char digit) {
    constexpr long long kSaturated = 1'000'000'000'000LL;
    return exponent >= kSaturated ? kSaturated : exponent * 10 + (digit - '0');
}

std::optional<double> DecimalToDouble(bool negative, std::string_view intDigits, std::string_view fracDigits,
                                      long long exponent) {
    const double zero = 0.0; // -0 and a negative underflow are zero, without a sign
    while (!intDigits.empty() && intDigits.front() == '0') {
        intDigits.remove_prefix(1);
    }
    // value = 0.significant x 10^magnitude
    long long magnitude = exponent + static_cast<long long>(intDigits.size());
    if (intDigits.empty()) {
        while (!fracDigits.empty() && fracDigits.front() == '0') {
            fracDigits.remove_prefix(1);
            --magnitude;
        }
    }
    while (!fracDigits.empty() && fracDigits.back() == '0') {
        fracDigits.remove_suffix(1);
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return zero;
    }
    // Far outside the double range either way; keeps the exponent text small for from_chars.
    if (magnitude > 400) {
        return std::nullopt;
    }
    if (magnitude < -400) {
        return zero;
    }
    std::string normal = negative ? "-0." : "0.";
    normal.reserve(normal.size() + intDigits.size() + fracDigits.size() + 8);
    normal.append(intDigits).append(fracDigits).append("e").append(std::to_string(magnitude));

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            return std::nullopt;
        }
        return zero;
    }
    return value;
}

} // namespace numtext::detail
