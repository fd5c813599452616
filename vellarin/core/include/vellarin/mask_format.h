#pragma once
// The trainer's picture-mask formatting: literal text around one numeric field of # with at most
// one point ("###.##", "Last Reaction Time: #.####"). The value is taken to 19 significant digits,
// rounded half up to the field's decimals, right-aligned with blanks, and the field widens when
// the whole part needs more room. An infinite or undefined value writes "Infinity", "-Infinity" or
// "Not a number" with a blank before it in place of the field, so a result line never shows a
// number that is not there.

#include <string>
#include <string_view>

namespace vellarin {

std::string FormatUsingMask(std::string_view mask, double value);

} // namespace vellarin
