// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct LeadingCase {
    const char* name;
    std::string text;
    double value;
    friend void PrintTo(const LeadingCase& c, std::ostream* os) { *os << c.name; }
};

class ReadLeadingNumberTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(ReadLeadingNumberTest, ReadsTheLeadingNumber) {
    const std::optional<double> read = numtext::ReadLeadingNumber(GetParam().text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, GetParam().value);
}

const auto kCaseName = [](const testing::TestParamInfo<LeadingCase>& info) { return info.param.name; };

INSTANTIATE_TEST_SUITE_P(
    Lenient, ReadLeadingNumberTest,
    testing::Values(LeadingCase{"Empty", "", 0}, LeadingCase{"OneSpace", " ", 0},
                    LeadingCase{"BlankInside", "1 20", 120},
                    LeadingCase{"TabAndLineFeedInside", "\t8\n6", 86}, LeadingCase{"UnitBehind", "86mm", 86},
                    LeadingCase{"CommaEnds", "1,5", 1}, LeadingCase{"CommaThousands", "6,000", 6},
                    LeadingCase{"RpmBehind", "6000rpm", 6000}, LeadingCase{"Letters", "abc", 0},
                    LeadingCase{"SignAlone", "-", 0}, LeadingCase{"PlusAlone", "+", 0},
                    LeadingCase{"Negative", "-86", -86}, LeadingCase{"Plus", "+5", 5},
                    LeadingCase{"Fraction", "135.25", 135.25}, LeadingCase{"NoWholePart", ".5", 0.5},
                    LeadingCase{"NoFraction", "5.", 5}, LeadingCase{"PointAlone", ".", 0},
                    LeadingCase{"SecondPointEnds", "1.2.3", 1.2}, LeadingCase{"DoubleSign", "--5", 0},
                    LeadingCase{"Exponent", "1E3", 1000}, LeadingCase{"LowerExponent", "1e3", 1000},
                    LeadingCase{"NegativeExponent", "25e-1", 2.5},
                    LeadingCase{"ExponentWithoutDigits", "5E", 5}, LeadingCase{"ExponentSignOnly", "5E+", 5},
                    LeadingCase{"BlankInExponent", "1E 2", 100}, LeadingCase{"DEndsTheNumber", "2d4", 2},
                    LeadingCase{"CarriageReturnIsNotDropped", "\r5", 0}, LeadingCase{"Hex", "&HFF", 255},
                    LeadingCase{"HexLower", "&hff", 255}, LeadingCase{"HexWide", "&HFFFFFFFF", 4294967295.0},
                    LeadingCase{"HexStops", "&H1G", 1}, LeadingCase{"Octal", "&O17", 15},
                    LeadingCase{"OctalStopsAt8", "&o178", 15}, LeadingCase{"HexNoDigits", "&H", 0},
                    LeadingCase{"AmpersandAlone", "&", 0}, LeadingCase{"AmpersandOther", "&X1", 0},
                    LeadingCase{"SignBeforeHex", "-&H10", 0}, LeadingCase{"Underflow", "1e-999", 0},
                    LeadingCase{"NegativeUnderflow", "-1e-999", 0.0},
                    LeadingCase{"HugeExponentOfZero", "0e99999999999999999999", 0},
                    LeadingCase{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
                    LeadingCase{"NulEnds",
                                std::string("7\0"
                                            "5",
                                            3),
                                7},
                    LeadingCase{"NotUtf8",
                                "\xff\xfe"
                                "5",
                                0}),
    kCaseName);

TEST(ReadLeadingNumberTest, NumbersBeyondTheDoubleRangeFail) {
    for (const std::string& text :
         {std::string("1e999"), std::string("-1e999"), std::string("1.8e308"), "1" + std::string(400, '0'),
          "&H" + std::string(300, 'F'), std::string("9e99999999999999999999999")}) {
        EXPECT_FALSE(numtext::ReadLeadingNumber(text).has_value()) << text.substr(0, 30);
    }
}

TEST(ReadLeadingNumberTest, ReadsAMegabyteOfText) {
    const std::string blanks(1 << 20, ' ');
    EXPECT_EQ(numtext::ReadLeadingNumber(blanks + "7"), 7.0);
    EXPECT_EQ(numtext::ReadLeadingNumber("0." + std::string(1 << 20, '0') + "1e1048577"), 1.0);
    EXPECT_EQ(numtext::ReadLeadingNumber(std::string(1 << 20, 'x')), 0.0);
    EXPECT_FALSE(numtext::ReadLeadingNumber(std::string(1 << 20, '9')).has_value());
    // A long mantissa is still rounded correctly.
    EXPECT_EQ(numtext::ReadLeadingNumber("0.1" + std::string(5000, '0')), 0.1);
}

} // namespace

namespace {

// A typed -0, or a negative number too small for a double, is zero: no sign to turn a division by
// it into minus infinity.
TEST(ZeroReadingTest, ZeroHasNoSign) {
    for (const char* text : {"-0", "-0.000", "-1e-999"}) {
        EXPECT_FALSE(std::signbit(*numtext::ReadLeadingNumber(text))) << text;
        EXPECT_FALSE(std::signbit(numtext::ReadLocaleNumber(text, {}).value)) << text;
    }
}

} // namespace
