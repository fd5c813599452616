// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct MaskCase {
    const char* mask;
    float value;
    const char* text;
    friend void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.mask << " " << c.value; }
};

class MaskNumberTextTest : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskNumberTextTest, WritesTheMaskedText) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(numtext::MaskNumberText(c.mask, c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, MaskNumberTextTest,
    testing::Values(MaskCase{".00 to 1", 1.6875f, "1.69 to 1"}, MaskCase{".00 to 1", 0.5f, ".50 to 1"},
                    MaskCase{".00 to 1", static_cast<float>(143.0 / 86.0), "1.66 to 1"},
                    MaskCase{".00 to 1", 0.0f, ".00 to 1"}, MaskCase{".00cc", 1998.488f, "1998.49cc"},
                    MaskCase{".00cc", 785.5f, "785.50cc"}, MaskCase{".00cc", 0.098f, ".10cc"},
                    MaskCase{".00cc", 0.0039275f, ".00cc"}, MaskCase{".00cc", -1998.488f, "-1998.49cc"},
                    MaskCase{".ins", 34.0f, "34.ins"}, MaskCase{".ins", 51.0f, "51.ins"},
                    MaskCase{".ins", 37.090908f, "37.ins"}, MaskCase{".ins", 29.142857f, "29.ins"},
                    MaskCase{". ins", 15.583333f, "16. ins"}, MaskCase{". ins", 23.375f, "23. ins"},
                    MaskCase{". ins", 17.0f, "17. ins"}, MaskCase{". ins", 13.357142f, "13. ins"}));

// Only seven significant digits are formatted: the float 119244.4296875 is 119244.4 first.
INSTANTIATE_TEST_SUITE_P(SevenSignificantDigits, MaskNumberTextTest,
                         testing::Values(MaskCase{".00cc", 119244.4296875f, "119244.40cc"},
                                         MaskCase{".00cc", 1.005f, "1.01cc"}, // the float is 1.00499999...
                                         MaskCase{".00cc", 2.675f, "2.68cc"},
                                         MaskCase{".00cc", 0.005f, ".01cc"},
                                         MaskCase{".00cc", 16777216.0f, "16777220.00cc"},
                                         MaskCase{".ins", 1234567.5f, "1234568.ins"}));

INSTANTIATE_TEST_SUITE_P(
    HalvesAwayFromZero, MaskNumberTextTest,
    testing::Values(MaskCase{". ins", 12.5f, "13. ins"}, MaskCase{".ins", 12.5f, "13.ins"},
                    MaskCase{".ins", 0.5f, "1.ins"}, MaskCase{".ins", 0.4f, ".ins"},
                    MaskCase{".ins", 0.49999997f, "1.ins"}, // seven digits make it .5000000,
                    MaskCase{".ins", -12.5f, "-13.ins"}, MaskCase{".00cc", 0.125f, ".13cc"},
                    MaskCase{".00cc", -0.125f, "-.13cc"}, MaskCase{".00cc", 0.995f, "1.00cc"},
                    MaskCase{".00cc", 9.995f, "10.00cc"}, MaskCase{".00cc", 9999.995f, "10000.00cc"},
                    MaskCase{".00cc", 0.0049999f, ".00cc"}));

INSTANTIATE_TEST_SUITE_P(
    Extremes, MaskNumberTextTest,
    testing::Values(MaskCase{".00cc", std::numeric_limits<float>::max(),
                             "340282300000000000000000000000000000000.00cc"},
                    MaskCase{".00cc", std::numeric_limits<float>::denorm_min(), ".00cc"},
                    MaskCase{".00cc", -std::numeric_limits<float>::denorm_min(), "-.00cc"},
                    MaskCase{".00cc", -0.0f, ".00cc"},
                    MaskCase{".00cc", std::numeric_limits<float>::infinity(), "Infinity"},
                    MaskCase{". ins", -std::numeric_limits<float>::infinity(), "-Infinity"},
                    MaskCase{".00 to 1", std::numeric_limits<float>::quiet_NaN(), "Not a number"}));

INSTANTIATE_TEST_SUITE_P(MaskShapes, MaskNumberTextTest,
                         testing::Values(MaskCase{".0000", 3.14159f, "3.1416"}, MaskCase{".", 2.5f, "3."},
                                         MaskCase{"", 2.5f, "3"}, MaskCase{"cc", 2.5f, "3cc"}));

} // namespace
