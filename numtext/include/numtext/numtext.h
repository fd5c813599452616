// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number-text rules shared by the form-based programs: reading a number from the text of a box, and
// writing a result back as text. Pure functions over the standard library; no locale machinery, no
// window, no state. The locale's notation is passed in by the caller.
//
// Choices made where the programs' rules leave room:
// - A non-finite value is written as "Infinity", "-Infinity" or "Not a number" by all three formatters,
//   with no mask tail, so nobody takes it for a number, but with the leading blank that a number in
//   its place has (PlainNumberText's " Infinity").
// - PlainNumberText and GeneralNumberText switch to the exponent form below 1E-04 as well as at their
//   upper limits, so a tiny value never turns into a long run of zeros.
// - Negative zero is written as zero, without a minus sign.
// - PlainNumberText and GeneralNumberText round a value that lies exactly halfway at their last
//   digit to the even neighbour (689270000000000.5 is written 689270000000000): the rule every
//   rounding of a binary value to a float or a double follows, so ties lean neither way.
// - ReadLeadingNumber takes only E or e as the start of an exponent; D and d end the number (2d4 reads
//   as 2), because nobody at the strip writes 2d4 for 20000.
// - ReadLeadingNumber reads &H and &O numbers (either case) as unsigned whole numbers of any length.
// - ReadLocaleNumber reads whatever the locale writes: any Unicode space around the number; grouping
//   separators only between groups of the locale's sizes in the whole part (1,500 and 12,345,678, or
//   12,34,567 in Indian English; not 1,5 or 15,00); the locale's minus and plus signs, digits and
//   exponent symbol, and the ASCII ones; a sign may only lead; a decimal point or digits may be
//   missing on one side of the separator (.5 and 5. read); currency symbols, brackets and trailing
//   signs are type mismatches. What people type for a separator is taken for it: a space for a
//   no-break or thin space, an apostrophe for a right single quotation mark, and the reverse.
// - A number too small for a double reads as zero; only one too large overflows. Zero is read
//   without a sign: a typed -0 is 0.

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The outcome of one computation: a failed result still carries its non-finite value.
struct CalcResult {
    float value = 0.0f;
    bool failed = false;
};

// Rounds to float (to nearest, ties to even); failed when the float is infinite or not a number.
CalcResult MakeCalcResult(double exact);

// The lenient reading: blanks are dropped, the longest leading number is read, anything else reads
// as 0. Empty only for a number beyond the double range.
std::optional<double> ReadLeadingNumber(std::string_view text);

// A float through a mask of a point, n "0" placeholders and a literal tail (".00 to 1", ".ins"):
// seven significant digits, rounded to n decimals with halves away from zero, no digit before the
// point for a whole part of 0. A mask that does not begin with a point writes the whole number and
// the mask as its tail, without a point.
std::string MaskNumberText(std::string_view mask, float value);

// A float as text: a leading blank unless negative, at most 7 significant digits, exponent form
// from 1E+07 up.
std::string PlainNumberText(float value);

// The locale's way of writing numbers, as UTF-8 strings.
struct Notation {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    int groupSize = 3;        // digits in the group before the decimal separator
    int higherGroupSize = 3;  // digits in each group before that one (2 in Indian English)
    int leadingGroupMost = 3; // the most digits in the leading group (4 where 1234 567 is written)
    std::string minusSign = "-";
    std::string plusSign = "+";
    std::string exponential = "E";
    char32_t zeroDigit = U'0'; // the locale's own digits are this and the nine that follow it
};

enum class ReadError { TypeMismatch = 13, Overflow = 6 };

constexpr int ErrorNumber(ReadError error) {
    return static_cast<int>(error);
}
std::string_view ErrorDescription(ReadError error); // "Type mismatch", "Overflow"

struct StrictReading {
    double value = 0.0; // meaningful only when ok()
    std::optional<ReadError> error;
    bool ok() const { return !error.has_value(); }
};

// The strict reading: the whole text, blanks around it aside, must be one number in the notation.
StrictReading ReadLocaleNumber(std::string_view text, const Notation& notation);

// A double as text: at most 15 significant digits, no leading blank, a 0 before the separator,
// exponent form from 1E+15 up.
std::string GeneralNumberText(double value, std::string_view decimalSeparator = ".");

} // namespace numtext
