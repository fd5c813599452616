// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/read_number.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vellarin {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

double ReadWhole(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    return value;
}

double ReadBased(std::string_view afterAmpersand) {
    if (afterAmpersand.empty()) {
        return 0;
    }
    switch (afterAmpersand.front()) {
    case 'H':
    case 'h':
        return ReadWhole(afterAmpersand.substr(1), 16);
    case 'O':
    case 'o':
    case 'Q':
    case 'q':
        return ReadWhole(afterAmpersand.substr(1), 8);
    case 'B':
    case 'b':
        return ReadWhole(afterAmpersand.substr(1), 2);
    default:
        return ReadWhole(afterAmpersand, 8); // & followed directly by digits
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The decimal exponent of the leading digit of a number as from_chars reads it ("-12.5e3" is 4).
long long Magnitude(std::string_view number) {
    if (!number.empty() && number.front() == '-') {
        number.remove_prefix(1);
    }
    const std::size_t e = number.find('e');
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::from_chars(number.data() + e + (number[e + 1] == '+' ? 2 : 1), number.data() + number.size(),
                        exponent);
        number = number.substr(0, e);
    }
    const std::size_t point = number.find('.');
    std::string_view whole = number.substr(0, point);
    while (!whole.empty() && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    if (!whole.empty()) {
        return exponent + static_cast<long long>(whole.size());
    }
    const std::string_view fraction = point == std::string_view::npos ? "" : number.substr(point + 1);
    const std::size_t firstDigit = fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(firstDigit == std::string_view::npos ? 0 : firstDigit);
}

} // namespace

double ReadNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n')) {
        ++pos;
    }
    if (pos < text.size() && text[pos] == '&') {
        return ReadBased(text.substr(pos + 1));
    }
    // The number is copied in the form from_chars reads: sign, digits, point, exponent with an E.
    std::string number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            number.push_back('-');
        }
        ++pos;
    }
    bool anyDigit = false;
    const std::size_t wholeStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    anyDigit = pos > wholeStart;
    number.append(wholeStart == pos ? std::string_view("0") : text.substr(wholeStart, pos - wholeStart));
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
        }
        if (pos > fractionStart) {
            anyDigit = true;
            number.push_back('.');
            number.append(text.substr(fractionStart, pos - fractionStart));
        }
    }
    if (!anyDigit) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t at = pos + 1;
        std::string exponent = "e";
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            exponent.push_back(text[at]);
            ++at;
        }
        const std::size_t digitsStart = at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        if (at > digitsStart) {
            // A run of exponent digits too long for an integer saturates: 0 or infinite either way.
            std::string_view digits = text.substr(digitsStart, at - digitsStart);
            while (digits.size() > 1 && digits.front() == '0') {
                digits.remove_prefix(1);
            }
            exponent.append(digits.size() > 15 ? std::string_view("999999999999999") : digits);
            number.append(exponent);
        }
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone out of range: a huge number is infinite, a tiny one 0.
        const bool negative = number.front() == '-';
        return Magnitude(number) > 0 ? (negative ? -kInfinity : kInfinity) : (negative ? -0.0 : 0.0);
    }
    return value;
}

} // namespace vellarin
