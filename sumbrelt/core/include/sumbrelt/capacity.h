// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cubic capacity of an engine from bore, stroke and cylinder count, and its display text.
// Pure functions on top of numtext; reading the fields is the window's business.

#include <string>

namespace sumbrelt {

// Swept volume in cubic centimetres from millimetres; infinite when beyond the float range.
float CubicCapacity(double bore, double stroke, double cylinders);

std::string FormatCapacity(float capacity); // 1998.49cc

} // namespace sumbrelt
