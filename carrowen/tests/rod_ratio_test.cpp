// SPDX-License-Identifier: GPL-3.0-or-later
#include <carrowen/rod_ratio.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RatioCase {
    double rod;
    double stroke;
    const char* text;
    friend void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.rod << "/" << c.stroke; }
};

class RodToCrankRatioTest : public testing::TestWithParam<RatioCase> {};

TEST_P(RodToCrankRatioTest, GivesTheLabelText) {
    const RatioCase& c = GetParam();
    const numtext::CalcResult r = carrowen::RodToCrankRatio(c.rod, c.stroke);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(carrowen::RodToCrankRatioText(r.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, RodToCrankRatioTest,
                         testing::Values(RatioCase{135, 80, "1.69 to 1"}, RatioCase{143, 86, "1.66 to 1"},
                                         RatioCase{40, 80, ".50 to 1"}, RatioCase{0, 80, ".00 to 1"},
                                         RatioCase{-135, 80, "-1.69 to 1"}));

TEST(RodToCrankRatioTest, ValueIsTheFloatOfTheQuotient) {
    EXPECT_EQ(carrowen::RodToCrankRatio(135, 80).value, 1.6875f);
}

TEST(RodToCrankRatioTest, ZeroStrokeFails) {
    const numtext::CalcResult infinite = carrowen::RodToCrankRatio(135, 0);
    EXPECT_TRUE(infinite.failed);
    EXPECT_TRUE(std::isinf(infinite.value));
    EXPECT_EQ(carrowen::RodToCrankRatioText(infinite.value), "Infinity");

    const numtext::CalcResult undefined = carrowen::RodToCrankRatio(0, 0);
    EXPECT_TRUE(undefined.failed);
    EXPECT_TRUE(std::isnan(undefined.value));
    EXPECT_EQ(carrowen::RodToCrankRatioText(undefined.value), "Not a number");
}

TEST(RodToCrankRatioTest, QuotientBeyondTheFloatRangeFails) {
    const numtext::CalcResult r = carrowen::RodToCrankRatio(1e300, 1e-300);
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(std::isinf(r.value));
}

struct SpeedCase {
    double revs;
    double stroke;
    float value;
    const char* text;
    friend void PrintTo(const SpeedCase& c, std::ostream* os) { *os << c.revs << "x" << c.stroke; }
};

class MaxPistonSpeedTest : public testing::TestWithParam<SpeedCase> {};

TEST_P(MaxPistonSpeedTest, GivesTheFloatAndTheLabelText) {
    const SpeedCase& c = GetParam();
    const numtext::CalcResult r = carrowen::MaxPistonSpeed(c.revs, c.stroke);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(carrowen::PistonSpeedText(r.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, MaxPistonSpeedTest,
    testing::Values(
        SpeedCase{7000, 86, 3772.166259765625f, "Maximum piston speed in ft per min is, 3772.166"},
        SpeedCase{0, 86, 0.0f, "Maximum piston speed in ft per min is, 0"},
        // The divisor is 159.59: 159.59 mm at 1 rev/min is exactly 1 ft/min here.
        SpeedCase{1, 159.59, 1.0f, "Maximum piston speed in ft per min is, 1"},
        SpeedCase{1e9, 159.59, 1e9f, "Maximum piston speed in ft per min is, 1E+09"},
        SpeedCase{-7000, 86, -3772.166259765625f, "Maximum piston speed in ft per min is,-3772.166"}));

TEST(MaxPistonSpeedTest, SpeedBeyondTheFloatRangeFails) {
    const numtext::CalcResult r = carrowen::MaxPistonSpeed(1e30, 1e30);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(carrowen::PistonSpeedText(r.value), "Maximum piston speed in ft per min is, Infinity");
}

} // namespace
