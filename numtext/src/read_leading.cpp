// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <numtext/numtext.h>

#include <cmath>

namespace numtext {
namespace {

bool IsDroppedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

int DigitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// &H and &O numbers: whole, unsigned, as many digits as follow.
std::optional<double> ReadRadixNumber(std::string_view digits, int base) {
    double value = 0.0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            break;
        }
        value = value * base + digit;
    }
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> ReadLeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!IsDroppedBlank(c)) {
            s.push_back(c);
        }
    }
    const std::string_view v(s);
    if (v.size() >= 2 && v[0] == '&') {
        if (v[1] == 'H' || v[1] == 'h') {
            return ReadRadixNumber(v.substr(2), 16);
        }
        if (v[1] == 'O' || v[1] == 'o') {
            return ReadRadixNumber(v.substr(2), 8);
        }
        return 0.0;
    }

    std::size_t pos = 0;
    auto digitRun = [&] {
        const std::size_t start = pos;
        while (pos < v.size() && detail::IsDigit(v[pos])) {
            ++pos;
        }
        return v.substr(start, pos - start);
    };

    bool negative = false;
    if (pos < v.size() && (v[pos] == '+' || v[pos] == '-')) {
        negative = v[pos] == '-';
        ++pos;
    }
    const std::string_view whole = digitRun();
    std::string_view fraction;
    if (pos < v.size() && v[pos] == '.') {
        ++pos;
        fraction = digitRun();
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }

    long long exponent = 0;
    if (pos < v.size() && (v[pos] == 'E' || v[pos] == 'e')) {
        std::size_t at = pos + 1;
        bool negativeExponent = false;
        if (at < v.size() && (v[at] == '+' || v[at] == '-')) {
            negativeExponent = v[at] == '-';
            ++at;
        }
        // An E without digits behind it is not part of the number: 5E reads as 5.
        for (; at < v.size() && detail::IsDigit(v[at]); ++at) {
            exponent = detail::AppendExponentDigit(exponent, v[at]);
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    return detail::DecimalToDouble(negative, whole, fraction, exponent);
}

} // namespace numtext
