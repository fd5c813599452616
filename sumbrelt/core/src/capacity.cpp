// SPDX-License-Identifier: GPL-3.0-or-later
#include <sumbrelt/capacity.h>

#include <numtext/numtext.h>

namespace sumbrelt {
namespace {

// The program's circle ratio; results are made with it, not with the full value of pi.
constexpr double kCircleRatio = 3.142;

} // namespace

float CubicCapacity(double bore, double stroke, double cylinders) {
    // Step by step and in this order, each rounded to double, so results match to the last digit:
    // radius in cm squared (bore / 10 / 2, twice), times the stroke in cm, times the cylinders.
    double x = kCircleRatio;
    x = x * bore;
    x = x / 10;
    x = x / 2;
    x = x * bore;
    x = x / 10;
    x = x / 2;
    x = x * stroke;
    x = x / 10;
    x = x * cylinders;
    return numtext::MakeCalcResult(x).value;
}

std::string FormatCapacity(float capacity) {
    return numtext::MaskNumberText(".00cc", capacity);
}

} // namespace sumbrelt
