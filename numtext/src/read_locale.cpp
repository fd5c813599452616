#include "decimal.h"

#include <numtext/numtext.h>

namespace numtext {
namespace {

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Walks one text against the notation; every step either advances or reports that nothing matched.
class StrictScanner {
public:
    StrictScanner(std::string_view text, const Notation& notation)
        : m_text(text)
        , m_decimal(notation.decimalSeparator.empty() ? std::string_view(".") : notation.decimalSeparator)
        , m_group(notation.groupSeparator == m_decimal ? std::string_view() : notation.groupSeparator) {}

    bool AtEnd() const { return m_pos == m_text.size(); }

    bool Take(char c) {
        if (!AtEnd() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool Take(std::string_view token) {
        if (!token.empty() && m_text.substr(m_pos, token.size()) == token) {
            m_pos += token.size();
            return true;
        }
        return false;
    }

    std::string_view Digits() {
        const std::size_t start = m_pos;
        while (!AtEnd() && detail::IsDigit(m_text[m_pos])) {
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

    bool TakeDecimalSeparator() { return Take(m_decimal); }

    // A group separator counts only when exactly three digits follow it.
    bool TakeGroupOfThree(std::string& whole) {
        const std::size_t start = m_pos;
        if (TakeGroupSeparator()) {
            const std::string_view group = Digits();
            if (group.size() == 3) {
                whole.append(group);
                return true;
            }
        }
        m_pos = start;
        return false;
    }

    bool AtGroupSeparator() {
        const std::size_t start = m_pos;
        const bool found = TakeGroupSeparator();
        m_pos = start;
        return found;
    }

private:
    bool TakeGroupSeparator() {
        if (Take(m_group)) {
            return true;
        }
        // A no-break space (U+00A0, U+202F) is typed as a plain space.
        return (m_group == "\u00a0" || m_group == "\u202f") && Take(' ');
    }

    std::string_view m_text;
    std::string_view m_decimal;
    std::string_view m_group;
    std::size_t m_pos = 0;
};

} // namespace

std::string_view ErrorDescription(ReadError error) {
    return error == ReadError::Overflow ? "Overflow" : "Type mismatch";
}

StrictReading ReadLocaleNumber(std::string_view text, const Notation& notation) {
    const StrictReading mismatch{0.0, ReadError::TypeMismatch};
    while (!text.empty() && IsAsciiSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsAsciiSpace(text.back())) {
        text.remove_suffix(1);
    }

    StrictScanner scan(text, notation);
    bool negative = false;
    if (scan.Take('-')) {
        negative = true;
    } else {
        scan.Take('+');
    }

    std::string whole(scan.Digits());
    if (!whole.empty() && whole.size() <= 3) {
        while (scan.TakeGroupOfThree(whole)) {
        }
    }
    if (scan.AtGroupSeparator()) {
        return mismatch; // misplaced grouping: 1,5 or 1234,567
    }
    std::string_view fraction;
    if (scan.TakeDecimalSeparator()) {
        fraction = scan.Digits();
    }
    if (whole.empty() && fraction.empty()) {
        return mismatch;
    }

    long long exponent = 0;
    if (scan.Take('E') || scan.Take('e')) {
        bool negativeExponent = false;
        if (scan.Take('-')) {
            negativeExponent = true;
        } else {
            scan.Take('+');
        }
        const std::string_view digits = scan.Digits();
        if (digits.empty()) {
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
