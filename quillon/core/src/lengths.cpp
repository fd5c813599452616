// SPDX-License-Identifier: GPL-3.0-or-later
#include <quillon/lengths.h>

namespace quillon {
namespace {

// The program's rules of thumb: length in inches = constant / rpm.
constexpr double kPrimaryConstant = 204000;
constexpr double kInletConstant = 93500;

// A speed of 0 gives positive infinity, whatever the sign of the zero.
double Unsigned0(double engineSpeed) {
    return engineSpeed == 0 ? 0.0 : engineSpeed;
}

} // namespace

numtext::CalcResult PrimaryLength(double engineSpeed) {
    return numtext::MakeCalcResult(kPrimaryConstant / Unsigned0(engineSpeed));
}

numtext::CalcResult InletLength(double engineSpeed) {
    return numtext::MakeCalcResult(kInletConstant / Unsigned0(engineSpeed));
}

std::string PrimaryLengthText(float length) {
    return numtext::MaskNumberText(".ins", length);
}

std::string InletLengthText(float length) {
    return numtext::MaskNumberText(". ins", length);
}

} // namespace quillon
