// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

struct PlainCase {
    float value;
    const char* text;
    friend void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.value; }
};

class PlainNumberTextTest : public testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumberTextTest, WritesSevenSignificantDigits) {
    EXPECT_EQ(numtext::PlainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainNumberTextTest,
    testing::Values(PlainCase{3772.166259765625f, " 3772.166"}, PlainCase{0.0f, " 0"}, PlainCase{-0.0f, " 0"},
                    PlainCase{0.5f, " .5"}, PlainCase{-0.5f, "-.5"}, PlainCase{1.0f, " 1"},
                    PlainCase{-2.5f, "-2.5"}, PlainCase{100.0f, " 100"}, PlainCase{0.1f, " .1"},
                    PlainCase{1.0f / 3.0f, " .3333333"}, PlainCase{123456.7f, " 123456.7"},
                    PlainCase{9999999.0f, " 9999999"}, PlainCase{9999999.5f, " 1E+07"},
                    PlainCase{12345678.0f, " 1.234568E+07"}, PlainCase{1e7f, " 1E+07"},
                    PlainCase{0.0001f, " .0001"}, PlainCase{0.00012345678f, " .0001234568"},
                    PlainCase{0.00001f, " 1E-05"}, PlainCase{-0.000012345f, "-1.2345E-05"},
                    PlainCase{std::numeric_limits<float>::max(), " 3.402823E+38"},
                    PlainCase{-std::numeric_limits<float>::max(), "-3.402823E+38"},
                    PlainCase{std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
                    // In the place of a number, with a number's leading blank.
                    PlainCase{std::numeric_limits<float>::infinity(), " Infinity"},
                    PlainCase{-std::numeric_limits<float>::infinity(), "-Infinity"},
                    PlainCase{std::numeric_limits<float>::quiet_NaN(), " Not a number"}));

} // namespace
