// SPDX-License-Identifier: GPL-3.0-or-later
#include <quillon/lengths.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct LengthCase {
    double rpm;
    float primary;
    const char* primaryText;
    float inlet;
    const char* inletText;
    friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.rpm << " rpm"; }
};

class LengthsTest : public testing::TestWithParam<LengthCase> {};

TEST_P(LengthsTest, GiveTheFloatsAndTheLabelTexts) {
    const LengthCase& c = GetParam();
    const numtext::CalcResult primary = quillon::PrimaryLength(c.rpm);
    const numtext::CalcResult inlet = quillon::InletLength(c.rpm);
    EXPECT_FALSE(primary.failed);
    EXPECT_FALSE(inlet.failed);
    EXPECT_EQ(primary.value, c.primary);
    EXPECT_EQ(inlet.value, c.inlet);
    EXPECT_EQ(quillon::PrimaryLengthText(primary.value), c.primaryText);
    EXPECT_EQ(quillon::InletLengthText(inlet.value), c.inletText);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, LengthsTest,
    testing::Values(LengthCase{4000, 51.0f, "51.ins", 23.375f, "23. ins"},
                    LengthCase{5500, static_cast<float>(204000.0 / 5500), "37.ins", 17.0f, "17. ins"},
                    LengthCase{6000, 34.0f, "34.ins", static_cast<float>(93500.0 / 6000), "16. ins"},
                    LengthCase{7000, static_cast<float>(204000.0 / 7000), "29.ins",
                               static_cast<float>(93500.0 / 7000), "13. ins"},
                    // Halves go away from zero: 93500 / 7480 and 204000 / 16320 are exactly 12.5.
                    LengthCase{7480, static_cast<float>(204000.0 / 7480), "27.ins", 12.5f, "13. ins"},
                    LengthCase{16320, 12.5f, "13.ins", static_cast<float>(93500.0 / 16320), "6. ins"},
                    // Above 408000 rpm the primary length is below a half: no digit at all.
                    LengthCase{408001, static_cast<float>(204000.0 / 408001), ".ins",
                               static_cast<float>(93500.0 / 408001), ". ins"},
                    LengthCase{-6000, -34.0f, "-34.ins", static_cast<float>(-93500.0 / 6000), "-16. ins"}));

TEST(LengthsTest, WorkedFloatsHoldTheirPrintedDigits) {
    EXPECT_FLOAT_EQ(quillon::PrimaryLength(5500).value, 37.090908f);
    EXPECT_FLOAT_EQ(quillon::InletLength(6000).value, 15.583333f);
    EXPECT_FLOAT_EQ(quillon::InletLength(7000).value, 13.357142f);
}

TEST(LengthsTest, ZeroSpeedFailsWithInfinity) {
    for (const numtext::CalcResult& r : {quillon::PrimaryLength(0), quillon::InletLength(0)}) {
        EXPECT_TRUE(r.failed);
        EXPECT_TRUE(std::isinf(r.value) && r.value > 0);
    }
    EXPECT_EQ(quillon::PrimaryLengthText(quillon::PrimaryLength(0).value), "Infinity");
    // A speed of 0 whatever its sign: -0 too gives positive infinity.
    EXPECT_EQ(quillon::InletLengthText(quillon::InletLength(-0.0).value), "Infinity");
    EXPECT_EQ(quillon::PrimaryLengthText(quillon::PrimaryLength(-0.0).value), "Infinity");
}

TEST(LengthsTest, TinySpeedBeyondTheFloatRangeFails) {
    EXPECT_TRUE(quillon::PrimaryLength(1e-300).failed);
    EXPECT_TRUE(quillon::InletLength(1e-300).failed);
}

} // namespace
