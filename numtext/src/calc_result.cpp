// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <cmath>

namespace numtext {

CalcResult MakeCalcResult(double exact) {
    const auto value = static_cast<float>(exact);
    return {value, !std::isfinite(value)};
}

} // namespace numtext
