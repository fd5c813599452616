// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven pressure units and the table of direct conversion factors between every ordered pair.
// A conversion is one multiplication by its own cell; nothing goes through a base unit. Reading and
// writing the numbers is numtext's business.

#include <array>
#include <string_view>

namespace pressure {

inline constexpr int kUnitCount = 11;

// Unit numbers 1 to 11 index this list from 1; 0 stands for no unit chosen.
inline constexpr std::array<std::string_view, kUnitCount> PressureUnits{
    "Atmospheres", "Bars",   "Dynes/cm2", "In. Hg.", "In. Water.", "Kg/cm2",
    "mBars",       "mTorrs", "Pascels",   "PSI",     "Torrs"};

// factor[from][to]; row and column 0 are the "no unit" entries, all 0.
using FactorTable = std::array<std::array<double, kUnitCount + 1>, kUnitCount + 1>;

const FactorTable& Factors();

// value x factor[from][to], for unit numbers 0 to 11.
double ConvertPressure(double value, int from, int to);

} // namespace pressure
