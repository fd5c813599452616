// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quarter-mile estimator: elapsed time (ET) and end speed (ES) from weight and power, and the
// two result lines the main window shows. Pure functions; the window reads its fields and writes
// the lines.

#include <string>
#include <string_view>

namespace vellarin {

// x to the power 1/3 as the trainer computes it: 0 for 0, 1 for a negative base, +inf for +inf.
double CubeRootPower(double x);

float EstimateEt(float weight, float power); // 5.82 x (weight / power)^(1/3)
float EstimateEs(float weight, float power); // 234 x (power / weight)^(1/3)

struct EtEstimate {
    float et;
    float es;
    std::string etLine; // "Estimated 1/4 mile time: 16.11 sec."
    std::string esLine; // "Estimated 1/4 mile speed: 84.53 mph"
};

// Reads the two field texts and makes the estimate and its lines.
EtEstimate CalculateEt(std::string_view weightText, std::string_view powerText);

// The ET before any calculation: what the default 3500 lb and 165 hp give, to four decimals.
inline constexpr float kDefaultEt = 16.1108f;

} // namespace vellarin
