// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's picture-mask formatting: literal text around one numeric field of # with at most
// one point ("###.##", "Last Reaction Time: #.####"). The value is taken to 19 significant digits,
// rounded half up to the field's decimals, right-aligned with blanks, and the field widens when
// the whole part needs more room. An infinite or undefined value writes "Infinity", "-Infinity" or
// "Not a number" in place of the field, with one blank before it as a number there would have (the
// text before the field may end in it), so a result line never shows a number that is not there.

#include <string>
#include <string_view>

namespace vellarin {

std::string FormatUsingMask(std::string_view mask, double value);

} // namespace vellarin
