// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/mask_format.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

struct MaskCase {
    const char* mask;
    double value;
    const char* text;
    friend void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.mask << " " << c.value; }
};

class FormatUsingMaskTest : public testing::TestWithParam<MaskCase> {};

TEST_P(FormatUsingMaskTest, WritesTheField) {
    EXPECT_EQ(vellarin::FormatUsingMask(GetParam().mask, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatUsingMaskTest,
    testing::Values(MaskCase{"###.##", 16.1108, " 16.11"}, MaskCase{"###.##", 84.532, " 84.53"},
                    MaskCase{"###.##", 4.6193, "  4.62"}, MaskCase{"###.##", 294.8215, "294.82"},
                    MaskCase{"###.##", 10861.32, "10861.32"}, MaskCase{"###.##", 0, "  0.00"},
                    MaskCase{"###.##", 99.996, "100.00"}, MaskCase{"#.####", 0.4567, "0.4567"},
                    MaskCase{"#.####", 0.04567, "0.0457"}, MaskCase{"#.####", 16.0675, "16.0675"}));

INSTANTIATE_TEST_SUITE_P(
    Rules, FormatUsingMaskTest,
    testing::Values(MaskCase{"Last Reaction Time: #.####", 0.7, "Last Reaction Time: 0.7000"},
                    MaskCase{"ET with Reaction Time: #.####", 16.3108, "ET with Reaction Time: 16.3108"},
                    MaskCase{"###.##", 0.125, "  0.13"},      // a tie goes up
                    MaskCase{"###.##", -0.125, " -0.13"},     // and away from zero
                    MaskCase{"###.##", -4.6193, " -4.62"},    // the sign takes a whole place
                    MaskCase{"###.##", -294.8215, "-294.82"}, // and widens the field
                    MaskCase{"#.####", 9.99996, "10.0000"},
                    MaskCase{"###.##", 1e20, "100000000000000000000.00"}, MaskCase{"###.##", 1e-30, "  0.00"},
                    MaskCase{"##", 2.5, " 3"}, MaskCase{"x ###.## y", 1.5, "x   1.50 y"},
                    MaskCase{"no field", 1.5, "no field"},
                    // 19 significant digits decide: 1.005 is 1.004999999999999893 to 19 digits.
                    MaskCase{"###.##", 1.005, "  1.00"}, MaskCase{"###.##", 2.675, "  2.67"},
                    MaskCase{"###.##", 0.5, "  0.50"}));

INSTANTIATE_TEST_SUITE_P(
    NonFinite, FormatUsingMaskTest,
    testing::Values(MaskCase{"###.##", std::numeric_limits<double>::infinity(), " Infinity"},
                    MaskCase{"###.##", -std::numeric_limits<double>::infinity(), " -Infinity"},
                    // The blank before the field is the blank before the word: never two.
                    MaskCase{"Last: #.####", std::numeric_limits<double>::quiet_NaN(), "Last: Not a number"},
                    MaskCase{"Last:#.####", std::numeric_limits<double>::infinity(), "Last: Infinity"}));

} // namespace
