// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Primary exhaust and inlet manifold lengths, in inches, for one engine speed, and the label texts
// made from them. Pure functions on top of numtext; reading the box is the window's business.

#include <numtext/numtext.h>

#include <string>

namespace quillon {

numtext::CalcResult PrimaryLength(double engineSpeed); // failed for a speed of 0
numtext::CalcResult InletLength(double engineSpeed);   // failed for a speed of 0

std::string PrimaryLengthText(float length); // 34.ins
std::string InletLengthText(float length);   // 16. ins

} // namespace quillon
