// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_text.h"

#include <cmath>
#include <cstring>

namespace reference {
namespace {

// A text put together in place: the exhaustive check makes billions of them.
class Text {
public:
    Text& operator<<(std::string_view part) {
        std::memcpy(m_chars + m_size, part.data(), part.size());
        m_size += part.size();
        return *this;
    }
    Text& operator<<(char c) {
        m_chars[m_size++] = c;
        return *this;
    }
    Text& Repeat(char c, std::size_t count) {
        std::memset(m_chars + m_size, c, count);
        m_size += count;
        return *this;
    }
    std::string_view View() const { return {m_chars, m_size}; }
    std::string Str() const { return std::string(m_chars, m_size); }

private:
    char m_chars[400]; // a double's 309 whole digits, four decimals and a prefix
    std::size_t m_size = 0;
};

// The decimal digits of n, without leading zeros ("0" for zero), in the buffer's tail.
std::string_view Digits(std::uint64_t n, char (&buffer)[24]) {
    char* p = buffer + sizeof buffer;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n > 0);
    return {p, static_cast<std::size_t>(buffer + sizeof buffer - p)};
}

std::uint64_t PowerOfTen(int n) { // n <= 19
    std::uint64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

// round(digits x 10^k), halves rounded up, as whole and fraction digits split `places` from the
// right: the whole part without leading zeros (empty for 0), the fraction exactly `places` long.
void ScaledHalfUp(std::uint64_t digits, int k, int significant, int places, Text& whole, Text& fraction) {
    char buffer[24];
    std::string_view scaled;
    std::size_t zeros = 0; // behind the digits, for k > 0
    if (k >= 0) {
        scaled = Digits(digits, buffer);
        zeros = static_cast<std::size_t>(k);
    } else if (-k > significant) {
        scaled = "0"; // below half the smallest unit kept
    } else {
        const std::uint64_t unit = PowerOfTen(-k); // digits + unit / 2 stays below 2^64
        scaled = Digits((digits + unit / 2) / unit, buffer);
    }
    const std::size_t length = scaled.size() + zeros;
    const auto decimals = static_cast<std::size_t>(places);
    if (length <= decimals) { // only fraction digits, with zeros in front
        fraction.Repeat('0', decimals - length) << scaled;
        fraction.Repeat('0', zeros);
        return;
    }
    // The fraction is the last `places` of scaled digits followed by the zeros.
    const std::size_t wholeLength = length - decimals;
    if (wholeLength <= scaled.size()) {
        whole << scaled.substr(0, wholeLength);
        fraction << scaled.substr(wholeLength);
        fraction.Repeat('0', zeros);
    } else {
        whole << scaled;
        whole.Repeat('0', wholeLength - scaled.size());
        fraction.Repeat('0', decimals);
    }
    if (whole.View() == "0") {
        whole = Text();
    }
}

std::string_view NonFinite(double value) {
    return std::isnan(value) ? "Not a number" : value < 0 ? "-Infinity" : "Infinity";
}

// The rounded digits without trailing zeros, in exponent form from 10^exponentFrom up and below
// 10^-4, else plainly, with or without a 0 before the point.
void AppendSignificant(const Rounded& rounded, int exponentFrom, bool zeroBeforePoint, std::string_view point,
                       Text& text) {
    char buffer[24];
    std::string_view digits = Digits(rounded.digits, buffer);
    digits = digits.substr(0, digits.find_last_not_of('0') + 1);
    const int exponent = rounded.exponent;
    if (exponent >= exponentFrom || exponent < -4) {
        text << digits.front();
        if (digits.size() > 1) {
            text << point << digits.substr(1);
        }
        char powerBuffer[24];
        const std::string_view powerDigits =
            Digits(static_cast<std::uint64_t>(std::abs(exponent)), powerBuffer);
        text << (exponent < 0 ? "E-" : "E+");
        if (powerDigits.size() < 2) {
            text << '0';
        }
        text << powerDigits;
        return;
    }
    if (exponent < 0) {
        if (zeroBeforePoint) {
            text << '0';
        }
        text << point;
        text.Repeat('0', static_cast<std::size_t>(-exponent - 1)) << digits;
        return;
    }
    const auto wholeLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeLength) {
        text << digits;
        text.Repeat('0', wholeLength - digits.size());
    } else {
        text << digits.substr(0, wholeLength) << point << digits.substr(wholeLength);
    }
}

} // namespace

ExactTexts::ExactTexts(double value)
    : m_value(value) {
    if (std::isfinite(value)) {
        m_exact = ExactLeading20(value);
        m_seven = RoundToDigits(m_exact, 7);
    }
}

std::string ExactTexts::Mask(int places, std::string_view tail) const {
    if (!std::isfinite(m_value)) {
        return std::string(NonFinite(m_value));
    }
    Text whole;
    Text fraction;
    ScaledHalfUp(m_seven.digits, m_seven.exponent - 6 + places, 7, places, whole, fraction);
    Text text;
    if (m_value < 0) {
        text << '-';
    }
    text << whole.View() << '.' << fraction.View() << tail;
    return text.Str();
}

std::string ExactTexts::Plain() const {
    Text text;
    if (!std::isfinite(m_value)) {
        if (!(m_value < 0)) {
            text << ' ';
        }
        text << NonFinite(m_value);
        return text.Str();
    }
    text << (m_value < 0 ? '-' : ' ');
    if (m_value == 0) {
        return " 0";
    }
    AppendSignificant(m_seven, 7, false, ".", text);
    return text.Str();
}

std::string ExactTexts::General(std::string_view separator) const {
    if (!std::isfinite(m_value)) {
        return std::string(NonFinite(m_value));
    }
    if (m_value == 0) {
        return "0";
    }
    Text text;
    if (m_value < 0) {
        text << '-';
    }
    AppendSignificant(RoundToDigits(m_exact, 15), 15, true, separator, text);
    return text.Str();
}

std::string ExactTexts::Trainer(std::string_view prefix, int wholePlaces, int decimals) const {
    Text text;
    text << prefix;
    if (!std::isfinite(m_value)) {
        // The word takes one blank before it, which the prefix may already end in.
        if (prefix.empty() || prefix.back() != ' ') {
            text << ' ';
        }
        text << NonFinite(m_value);
        return text.Str();
    }
    const Rounded nineteen = RoundToDigits(m_exact, 19);
    Text whole;
    Text fraction;
    ScaledHalfUp(nineteen.digits, nineteen.exponent - 18 + decimals, 19, decimals, whole, fraction);
    const std::size_t length = (m_value < 0 ? 1 : 0) +
                               std::max<std::size_t>(whole.View().size(), wholePlaces >= 1 ? 1 : 0) + 1 +
                               fraction.View().size();
    const auto width = static_cast<std::size_t>(wholePlaces + 1 + decimals);
    if (length < width) {
        text.Repeat(' ', width - length);
    }
    if (m_value < 0) {
        text << '-';
    }
    if (whole.View().empty() && wholePlaces >= 1) {
        text << '0';
    }
    text << whole.View() << '.' << fraction.View();
    return text.Str();
}

std::string MaskText(int places, std::string_view tail, float value) {
    return ExactTexts(value).Mask(places, tail);
}

std::string PlainText(float value) {
    return ExactTexts(value).Plain();
}

} // namespace reference
