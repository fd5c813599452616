// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's reading of a number from a field's text. The fields take typed digits only, so this
// mostly reads whole numbers; pasted text gets the full rule: leading blanks, a sign, a fraction, an
// exponent with E or D, and the &H, &O, &Q, &B and &-digit forms. Reading stops at the first
// character that cannot continue the number; nothing read is 0. A number beyond the double range
// reads as an infinity of its sign (the trainer validates nothing and shows what results).

#include <string_view>

namespace vellarin {

double ReadNumber(std::string_view text);

} // namespace vellarin
