// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/read_number.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    double value;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheNumber) {
    EXPECT_EQ(vellarin::ReadNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, ReadNumberTest,
    testing::Values(
        ReadCase{"Empty", "", 0}, ReadCase{"Digits", "3500", 3500},
        ReadCase{"LongDigits", "000000000000165", 165}, ReadCase{"LeadingBlanks", " \t\n165", 165},
        ReadCase{"BlankInsideEnds", "16 5", 16}, ReadCase{"PastedNegative", "-3500", -3500},
        ReadCase{"Plus", "+7", 7}, ReadCase{"Fraction", "3.25", 3.25}, ReadCase{"NoWhole", ".5", 0.5},
        ReadCase{"ExponentE", "1E3", 1000}, ReadCase{"ExponentLowerD", "1d3", 1000},
        ReadCase{"ExponentD", "2.5D-1", 0.25}, ReadCase{"ExponentWithoutDigits", "7e", 7},
        ReadCase{"UnitBehind", "165hp", 165}, ReadCase{"Letters", "abc", 0}, ReadCase{"SignAlone", "-", 0},
        ReadCase{"Hex", "&HFF", 255}, ReadCase{"HexLower", "&hff", 255}, ReadCase{"OctalO", "&O17", 15},
        ReadCase{"OctalQ", "&Q17", 15}, ReadCase{"OctalDigits", "&17", 15}, ReadCase{"Binary", "&B101", 5},
        ReadCase{"BinaryStops", "&B1021", 2}, ReadCase{"AmpersandAlone", "&", 0},
        ReadCase{"BlankThenHex", "  &H10", 16}, ReadCase{"Tiny", "1e-999", 0},
        ReadCase{"TinyWithoutExponent", "0." + std::string(400, '0') + "1", 0}));

TEST(ReadNumberTest, NumbersBeyondTheDoubleRangeAreInfinite) {
    EXPECT_EQ(vellarin::ReadNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(vellarin::ReadNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(vellarin::ReadNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(vellarin::ReadNumber("1e99999999999999999999"), std::numeric_limits<double>::infinity());
}

} // namespace
