// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <numtext/numtext.h>

#include <algorithm>
#include <array>
#include <vector>

namespace numtext {
namespace {

// One UTF-8 code point: its value and length; length 0 where the bytes are not UTF-8.
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;
};

CodePoint Decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xe  ? 3
                         : (lead >> 3) == 0x1e ? 4
                                               : 0;
    if (length == 0 || at + length > text.size()) {
        return {};
    }
    char32_t value = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) {
            return {};
        }
        value = (value << 6) | (byte(i) & 0x3f);
    }
    return {value, length};
}

CodePoint DecodeLast(std::string_view text) {
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const CodePoint c = Decode(text, text.size() - back);
        if (c.length == back) {
            return c;
        }
    }
    return {};
}

// Unicode's white space: any of it may stand around a number.
bool IsUnicodeSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f ||
           c == 0x3000;
}

// The separators a locale groups with, and what people type for them: a space for the no-break
// and thin spaces, an apostrophe for the right single quotation mark, and the other way round.
std::vector<std::string> GroupSeparators(const std::string& group) {
    static const std::array<std::vector<std::string>, 2> kFamilies{
        std::vector<std::string>{" ", "\u00a0", "\u202f", "\u2009"}, std::vector<std::string>{"'", "\u2019"}};
    for (const std::vector<std::string>& family : kFamilies) {
        if (std::find(family.begin(), family.end(), group) != family.end()) {
            return family;
        }
    }
    return {group};
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Walks one text against the notation; every step either advances or reports that nothing matched.
class StrictScanner {
public:
    StrictScanner(std::string_view text, const Notation& notation)
        : m_text(text)
        , m_notation(notation)
        , m_decimal(notation.decimalSeparator.empty() ? std::string_view(".") : notation.decimalSeparator)
        , m_groups(notation.groupSeparator.empty() || notation.groupSeparator == m_decimal
                       ? std::vector<std::string>{}
                       : GroupSeparators(notation.groupSeparator)) {}

    bool AtEnd() const { return m_pos == m_text.size(); }

    bool Take(std::string_view token) {
        if (!token.empty() && m_text.substr(m_pos, token.size()) == token) {
            m_pos += token.size();
            return true;
        }
        return false;
    }

    bool TakeIgnoringCase(std::string_view token) {
        if (!token.empty() && EqualsIgnoringAsciiCase(m_text.substr(m_pos, token.size()), token)) {
            m_pos += token.size();
            return true;
        }
        return false;
    }

    // A sign as the locale writes it or as typed in ASCII; true for a minus.
    bool TakeSign(bool& negative) {
        negative = Take(m_notation.minusSign) || Take("-");
        return negative || Take(m_notation.plusSign) || Take("+");
    }

    // Digits, ASCII or the locale's own, appended as ASCII; how many were taken.
    std::size_t Digits(std::string& out) {
        std::size_t taken = 0;
        while (!AtEnd()) {
            const CodePoint c = Decode(m_text, m_pos);
            int digit = -1;
            if (c.value >= U'0' && c.value <= U'9') {
                digit = static_cast<int>(c.value - U'0');
            } else if (m_notation.zeroDigit != U'0' && c.value >= m_notation.zeroDigit &&
                       c.value <= m_notation.zeroDigit + 9) {
                digit = static_cast<int>(c.value - m_notation.zeroDigit);
            }
            if (c.length == 0 || digit < 0) {
                break;
            }
            out.push_back(static_cast<char>('0' + digit));
            m_pos += c.length;
            ++taken;
        }
        return taken;
    }

    bool TakeDecimalSeparator() { return Take(m_decimal); }

    bool TakeGroupSeparator() {
        for (const std::string& group : m_groups) {
            if (Take(group)) {
                return true;
            }
        }
        return false;
    }

    bool TakeExponentMarker() { return TakeIgnoringCase("E") || TakeIgnoringCase(m_notation.exponential); }

private:
    std::string_view m_text;
    const Notation& m_notation;
    std::string_view m_decimal;
    std::vector<std::string> m_groups;
    std::size_t m_pos = 0;
};

std::string_view TrimUnicodeSpace(std::string_view text) {
    for (CodePoint c; !text.empty() && (c = Decode(text, 0)).length && IsUnicodeSpace(c.value);) {
        text.remove_prefix(c.length);
    }
    for (CodePoint c; !text.empty() && (c = DecodeLast(text)).length && IsUnicodeSpace(c.value);) {
        text.remove_suffix(c.length);
    }
    return text;
}

// The whole part: digits, or groups as the locale writes them, the last of groupSize digits, the
// ones before it of higherGroupSize, the first of one up to leadingGroupMost (1,234,567; 12,34,567;
// 1234 567 where the locale lets the leading group run long).
bool ReadWholePart(StrictScanner& scan, const Notation& notation, std::string& whole) {
    std::vector<std::size_t> groups{scan.Digits(whole)};
    while (scan.TakeGroupSeparator()) {
        groups.push_back(scan.Digits(whole));
    }
    if (groups.size() == 1) {
        return true;
    }
    const auto least = static_cast<std::size_t>(notation.groupSize);
    const auto higher = static_cast<std::size_t>(notation.higherGroupSize);
    const auto leading =
        static_cast<std::size_t>(std::max(notation.leadingGroupMost, notation.higherGroupSize));
    if (groups.front() == 0 || groups.front() > leading || groups.back() != least) {
        return false;
    }
    return std::all_of(groups.begin() + 1, groups.end() - 1, [higher](std::size_t g) { return g == higher; });
}

} // namespace

std::string_view ErrorDescription(ReadError error) {
    return error == ReadError::Overflow ? "Overflow" : "Type mismatch";
}

StrictReading ReadLocaleNumber(std::string_view text, const Notation& notation) {
    const StrictReading mismatch{0.0, ReadError::TypeMismatch};
    StrictScanner scan(TrimUnicodeSpace(text), notation);
    bool negative = false;
    scan.TakeSign(negative);

    std::string whole;
    if (!ReadWholePart(scan, notation, whole)) {
        return mismatch; // misplaced grouping: 1,5 or 1234,567
    }
    std::string fraction;
    if (scan.TakeDecimalSeparator()) {
        scan.Digits(fraction);
    }
    if (whole.empty() && fraction.empty()) {
        return mismatch;
    }

    long long exponent = 0;
    if (scan.TakeExponentMarker()) {
        bool negativeExponent = false;
        scan.TakeSign(negativeExponent);
        std::string digits;
        if (scan.Digits(digits) == 0) {
            return mismatch;
        }
        for (char c : digits) {
            exponent = detail::AppendExponentDigit(exponent, c);
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (!scan.AtEnd()) {
        return mismatch;
    }
    const std::optional<double> value = detail::DecimalToDouble(negative, whole, fraction, exponent);
    if (!value) {
        return {0.0, ReadError::Overflow};
    }
    return {*value, std::nullopt};
}

} // namespace numtext
