// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two computations of the rod-ratio calculator and the label texts made from their results.
// Pure functions on top of numtext; they read no box and write no label.

#include <numtext/numtext.h>

#include <string>

namespace carrowen {

// Rod length over crank stroke; failed for a zero stroke.
numtext::CalcResult RodToCrankRatio(double rodLength, double crankStroke);

// Revs times stroke (millimetres) over the piston speed divisor, in feet per minute.
numtext::CalcResult MaxPistonSpeed(double maxRevs, double strokeLength);

std::string RodToCrankRatioText(float ratio); // 1.69 to 1
std::string PistonSpeedText(float speed);     // Maximum piston speed in ft per min is, 3772.166

} // namespace carrowen
