// SPDX-License-Identifier: GPL-3.0-or-later
#include <sumbrelt/capacity.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CapacityCase {
    double bore;
    double stroke;
    double cylinders;
    const char* text;
    friend void PrintTo(const CapacityCase& c, std::ostream* os) {
        *os << c.bore << " x " << c.stroke << " x " << c.cylinders;
    }
};

class CubicCapacityTest : public testing::TestWithParam<CapacityCase> {};

TEST_P(CubicCapacityTest, GivesTheText) {
    const CapacityCase& c = GetParam();
    EXPECT_EQ(sumbrelt::FormatCapacity(sumbrelt::CubicCapacity(c.bore, c.stroke, c.cylinders)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, CubicCapacityTest,
    testing::Values(CapacityCase{86, 86, 4, "1998.49cc"}, CapacityCase{100, 100, 1, "785.50cc"},
                    CapacityCase{5, 5, 1, ".10cc"}, CapacityCase{1, 1, 1, ".00cc"},
                    CapacityCase{0, 0, 0, ".00cc"}, CapacityCase{111, 111, 111, "119244.40cc"},
                    CapacityCase{86, -86, 4, "-1998.49cc"}, CapacityCase{86, 86, -4, "-1998.49cc"},
                    CapacityCase{-86, 86, 4, "1998.49cc"}, // the bore enters squared
                    CapacityCase{86, 86, 2.5, "1249.06cc"}, CapacityCase{1e30, 1e30, 1, "Infinity"}));

TEST(CubicCapacityTest, StepsRunInTheirOrderWithThreePointOneFourTwo) {
    EXPECT_EQ(sumbrelt::CubicCapacity(111, 111, 111), 119244.4296875f);
    // 3.142 and not pi: 100 mm x 100 mm in one cylinder is 785.5 cc, not 785.398.
    EXPECT_EQ(sumbrelt::CubicCapacity(100, 100, 1), 785.5f);
    const double x = 3.142 * 86 / 10 / 2 * 86 / 10 / 2 * 86 / 10 * 4;
    EXPECT_EQ(sumbrelt::CubicCapacity(86, 86, 4), static_cast<float>(x));
}

TEST(CubicCapacityTest, ProductBeyondTheFloatRangeIsInfinite) {
    EXPECT_TRUE(std::isinf(sumbrelt::CubicCapacity(1e20, 1e20, 1)));
    EXPECT_TRUE(std::isinf(sumbrelt::CubicCapacity(1e20, 1e20, -1)));
}

} // namespace
