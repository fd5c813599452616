// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

struct GeneralCase {
    double value;
    const char* separator;
    const char* text;
    friend void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.value << " " << c.separator; }
};

class GeneralNumberTextTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumberTextTest, WritesFifteenSignificantDigits) {
    const GeneralCase& c = GetParam();
    EXPECT_EQ(numtext::GeneralNumberText(c.value, c.separator), c.text);
}

// The products of the converter's worked values, computed as the converter computes them.
INSTANTIATE_TEST_SUITE_P(
    WorkedValues, GeneralNumberTextTest,
    testing::Values(GeneralCase{1 * 14.696, ".", "14.696"}, GeneralCase{14.7 * 0.06805, ".", "1.000335"},
                    GeneralCase{3 * 1.01295, ".", "3.03885"}, GeneralCase{2 * 100000.0, ".", "200000"},
                    GeneralCase{100 * 0.001, ".", "0.1"}, GeneralCase{760 * 0.0013158, ".", "1.000008"},
                    GeneralCase{-2 * 1.02, ".", "-2.04"}, GeneralCase{1.50, ".", "1.5"},
                    GeneralCase{1e9 * 1012950, ".", "1.01295E+15"}, GeneralCase{0.0, ".", "0"},
                    GeneralCase{-0.0, ".", "0"}));

INSTANTIATE_TEST_SUITE_P(
    Magnitudes, GeneralNumberTextTest,
    testing::Values(GeneralCase{999999999999999.0, ".", "999999999999999"}, GeneralCase{1e15, ".", "1E+15"},
                    GeneralCase{0.1 + 0.2, ".", "0.3"}, GeneralCase{1.0 / 3.0, ".", "0.333333333333333"},
                    GeneralCase{0.0001, ".", "0.0001"}, GeneralCase{0.00001, ".", "1E-05"},
                    GeneralCase{-1.5e-7, ".", "-1.5E-07"},
                    GeneralCase{689270000000000.5, ".", "689270000000000"},
                    GeneralCase{689270000000001.5, ".", "689270000000002"},
                    GeneralCase{std::numeric_limits<double>::max(), ".", "1.79769313486232E+308"},
                    GeneralCase{std::numeric_limits<double>::denorm_min(), ".", "4.94065645841247E-324"},
                    GeneralCase{std::numeric_limits<double>::infinity(), ".", "Infinity"},
                    GeneralCase{-std::numeric_limits<double>::infinity(), ".", "-Infinity"},
                    GeneralCase{std::numeric_limits<double>::quiet_NaN(), ".", "Not a number"}));

INSTANTIATE_TEST_SUITE_P(LocaleSeparator, GeneralNumberTextTest,
                         testing::Values(GeneralCase{1.5, ",", "1,5"}, GeneralCase{-0.25, ",", "-0,25"},
                                         GeneralCase{200000, ",", "200000"},
                                         GeneralCase{1.01295e15, ",", "1,01295E+15"},
                                         GeneralCase{1.5, "\u066b", "1\u066b5"}));

} // namespace
