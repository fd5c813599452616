#include <quillon/lengths.h>

namespace quillon {
namespace {

// The program's rules of thumb: length in inches = constant / rpm.
constexpr double kPrimaryConstant = 204000;
constexpr double kInletConstant = 93500;

} // namespace

numtext::CalcResult PrimaryLength(double engineSpeed) {
    return numtext::MakeCalcResult(kPrimaryConstant / engineSpeed);
}

numtext::CalcResult InletLength(double engineSpeed) {
    return numtext::MakeCalcResult(kInletConstant / engineSpeed);
}

std::string PrimaryLengthText(float length) {
    return numtext::MaskNumberText(".ins", length);
}

std::string InletLengthText(float length) {
    return numtext::MaskNumberText(". ins", length);
}

} // namespace quillon
