// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/estimator.h>
#include <vellarin/mask_format.h>
#include <vellarin/read_number.h>

#include <cmath>

namespace vellarin {
namespace {

// Held as a float, as the estimator has always held it: 5.820000171661377.
constexpr float kEtFactor = 5.82f;
constexpr int kEsFactor = 234;

} // namespace

double CubeRootPower(double x) {
    if (std::isnan(x)) {
        return x; // zero over zero stays undefined
    }
    if (x < 0) {
        return 1; // for a negative base the exponent rounds to 0 first
    }
    if (x == 0) {
        return 0;
    }
    if (std::isinf(x)) {
        return x;
    }
    return std::exp(std::log(x) / 3.0);
}

float EstimateEt(float weight, float power) {
    return static_cast<float>(static_cast<double>(kEtFactor) *
                              CubeRootPower(static_cast<double>(weight) / static_cast<double>(power)));
}

float EstimateEs(float weight, float power) {
    return static_cast<float>(kEsFactor *
                              CubeRootPower(static_cast<double>(power) / static_cast<double>(weight)));
}

EtEstimate CalculateEt(std::string_view weightText, std::string_view powerText) {
    const auto weight = static_cast<float>(ReadNumber(weightText));
    const auto power = static_cast<float>(ReadNumber(powerText));
    const float et = EstimateEt(weight, power);
    const float es = EstimateEs(weight, power);
    // No blank after the colons: the mask's fill makes the gap. A non-finite value shows as a word.
    return {et, es, "Estimated 1/4 mile time:" + FormatUsingMask("###.##", et) + " sec.",
            "Estimated 1/4 mile speed:" + FormatUsingMask("###.##", es) + " mph"};
}

} // namespace vellarin
