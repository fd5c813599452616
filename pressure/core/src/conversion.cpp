// SPDX-License-Identifier: GPL-3.0-or-later
#include <pressure/conversion.h>

namespace pressure {
namespace {

// The program's own factors, each an independent decimal constant: pairs are not exact reciprocals,
// and its atmosphere is 1.01295 bar. Three cells had no figure of their own; they are the product
// along the path the rest of the table gives: In. Water. to Dynes/cm2 = 0.002489 x 1000000,
// In. Water. to mTorrs = 1.868 x 1000, Torrs to Dynes/cm2 = 0.0013328 x 1000000.
constexpr FactorTable kFactors{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 1, 1.01295, 1012950, 29.9213, 406.86, 1.03325, 1012.95, 760000, 101295, 14.696, 760},
    {0, 0.9872, 1, 1000000, 29.54, 401.65, 1.02, 1000, 750280, 100000, 14.508, 750.2838},
    {0, 0.0000009872, 0.000001, 1, 0.00002954, 0.00040165, 0.00000102, 0.001, 0.75028, 0.1, 0.000014508,
     0.00075028},
    {0, 0.03342, 0.03385, 33850, 1, 13.598, 0.034532, 33.85, 25400, 3385, 0.4912, 25.4},
    {0, 0.002458, 0.002489, 2489, 0.07354, 1, 0.0025396, 2.489, 1868, 248.9, 0.03612, 1.868},
    {0, 0.9678, 0.9804, 980400, 28.958, 393.76, 1, 980.4, 735540, 98040, 14.223, 735.54},
    {0, 0.0009872, 0.001, 1000, 0.02954, 0.4018, 0.00102, 1, 750.28, 100, 0.0145, 0.75028},
    {0, 0.000001316, 0.0000013328, 1.3328, 0.00003937, 0.0005353, 0.0000013595, 0.0013328, 1, 0.13328,
     0.00001934, 0.001},
    {0, 0.000009869, 0.00001, 10, 0.0002954, 0.004018, 0.0000102, 0.01, 7.5028, 1, 0.00014508, 0.0075028},
    {0, 0.06805, 0.06893, 68927, 2.036, 27.68, 0.070309, 68.97, 51710, 6892.7, 1, 51.71},
    {0, 0.0013158, 0.0013328, 1332.8, 0.03937, 0.5353, 0.0013595, 1.3328, 1000, 133.28, 0.01934, 1},
}};

bool IsUnit(int number) {
    return number >= 0 && number <= kUnitCount;
}

} // namespace

const FactorTable& Factors() {
    return kFactors;
}

double ConvertPressure(double value, int from, int to) {
    if (!IsUnit(from) || !IsUnit(to)) {
        return 0; // outside the contract; the window never asks for it
    }
    return value * kFactors[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
}

} // namespace pressure
