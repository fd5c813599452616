// SPDX-License-Identifier: GPL-3.0-or-later
#include <carrowen/rod_ratio.h>

namespace carrowen {
namespace {

// The program's own divisor for mm x rev/min to ft/min; it is not 152.4, and it is kept as it is.
constexpr double kPistonSpeedDivisor = 159.59;

} // namespace

numtext::CalcResult RodToCrankRatio(double rodLength, double crankStroke) {
    return numtext::MakeCalcResult(rodLength / crankStroke);
}

numtext::CalcResult MaxPistonSpeed(double maxRevs, double strokeLength) {
    return numtext::MakeCalcResult(maxRevs * strokeLength / kPistonSpeedDivisor);
}

std::string RodToCrankRatioText(float ratio) {
    return numtext::MaskNumberText(".00 to 1", ratio);
}

std::string PistonSpeedText(float speed) {
    return "Maximum piston speed in ft per min is," + numtext::PlainNumberText(speed);
}

} // namespace carrowen
