// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using numtext::Notation;
using numtext::ReadError;

const Notation kEnglish{".", ","};
const Notation kGerman{",", "."};
const Notation kFrench{",", "\u202f"};
const Notation kSwiss{".", "\u2019"};
const Notation kIndian{".", ",", 3, 2, 3};
const Notation kSwedish{",", "\u00a0", 3, 3, 3, "\u2212"};
const Notation kArabic{"\u066b", "\u066c", 3, 3, 3, "\u061c-", "\u061c+", "E", U'\u0660'};

struct StrictCase {
    const char* name;
    Notation notation;
    std::string text;
    double value;
    friend void PrintTo(const StrictCase& c, std::ostream* os) { *os << c.name; }
};

class ReadLocaleNumberTest : public testing::TestWithParam<StrictCase> {};

TEST_P(ReadLocaleNumberTest, ReadsTheWholeText) {
    const numtext::StrictReading r = numtext::ReadLocaleNumber(GetParam().text, GetParam().notation);
    ASSERT_TRUE(r.ok()) << numtext::ErrorDescription(*r.error);
    EXPECT_EQ(r.value, GetParam().value);
}

const auto kStrictName = [](const testing::TestParamInfo<StrictCase>& info) { return info.param.name; };

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadLocaleNumberTest,
    testing::Values(
        StrictCase{"Plain", kEnglish, "14.7", 14.7}, StrictCase{"Blanks", kEnglish, " \t14.7 \n", 14.7},
        StrictCase{"Zero", kEnglish, "0", 0}, StrictCase{"Negative", kEnglish, "-2", -2},
        StrictCase{"Plus", kEnglish, "+2", 2}, StrictCase{"Grouped", kEnglish, "6,000", 6000},
        StrictCase{"GroupedTwice", kEnglish, "12,345,678.5", 12345678.5},
        StrictCase{"Ungrouped", kEnglish, "12345678", 12345678},
        StrictCase{"Exponent", kEnglish, "1E3", 1000}, StrictCase{"LowerExponent", kEnglish, "1e-3", 0.001},
        StrictCase{"ExponentPlus", kEnglish, "1.5E+2", 150}, StrictCase{"NoWhole", kEnglish, ".5", 0.5},
        StrictCase{"NoFraction", kEnglish, "5.", 5}, StrictCase{"Trailing", kEnglish, "1.50", 1.5},
        StrictCase{"Underflow", kEnglish, "1E-999", 0}, StrictCase{"GermanDecimal", kGerman, "1,5", 1.5},
        StrictCase{"GermanGrouped", kGerman, "1.500,25", 1500.25},
        StrictCase{"FrenchNarrowSpace", kFrench, "1\u202f500,5", 1500.5},
        StrictCase{"FrenchTypedSpace", kFrench, "1 500,5", 1500.5},
        StrictCase{"SwissApostrophe", kSwiss, "1'500.5", 1500.5},
        StrictCase{"SwissQuotationMark", kSwiss, "1\u2019500.5", 1500.5},
        StrictCase{"FrenchPastedNoBreakSpace", kFrench, "1\u00a0500,5", 1500.5},
        StrictCase{"IndianGroups", kIndian, "12,34,567.5", 1234567.5},
        StrictCase{"SwedishMinus", kSwedish, "\u22121\u00a0500,5", -1500.5},
        StrictCase{"SwedishTypedMinus", kSwedish, "-1 500,5", -1500.5},
        StrictCase{"ArabicDigits", kArabic, "\u061c-\u0661\u066c\u0662\u0663\u0664\u066b\u0665", -1234.5},
        StrictCase{"UnicodeBlanks", kEnglish, "\u3000\u00a014.7\u2003", 14.7}),
    kStrictName);

struct FailureCase {
    const char* name;
    Notation notation;
    std::string text;
    ReadError error;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class ReadLocaleNumberFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ReadLocaleNumberFailureTest, RejectsTheText) {
    const numtext::StrictReading r = numtext::ReadLocaleNumber(GetParam().text, GetParam().notation);
    ASSERT_FALSE(r.ok()) << r.value;
    EXPECT_EQ(*r.error, GetParam().error);
}

const auto kFailureName = [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; };

constexpr ReadError kMismatch = ReadError::TypeMismatch;

INSTANTIATE_TEST_SUITE_P(
    Failures, ReadLocaleNumberFailureTest,
    testing::Values(FailureCase{"Empty", kEnglish, "", kMismatch},
                    FailureCase{"Blanks", kEnglish, "   ", kMismatch},
                    FailureCase{"UnitBehind", kEnglish, "14.7psi", kMismatch},
                    FailureCase{"Letters", kEnglish, "abc", kMismatch},
                    FailureCase{"RpmBehind", kEnglish, "6000rpm", kMismatch},
                    FailureCase{"SecondPoint", kEnglish, "1.2.3", kMismatch},
                    FailureCase{"ShortGroup", kEnglish, "1,5", kMismatch},
                    FailureCase{"IndianGroupingInEnglish", kEnglish, "12,34,567", kMismatch},
                    FailureCase{"EnglishGroupingInIndian", kIndian, "1,234,567", kMismatch},
                    FailureCase{"LongGroup", kEnglish, "1,5000", kMismatch},
                    FailureCase{"LongFirstGroup", kEnglish, "1234,567", kMismatch},
                    FailureCase{"LeadingGroup", kEnglish, ",500", kMismatch},
                    FailureCase{"TrailingGroup", kEnglish, "1,", kMismatch},
                    FailureCase{"GroupInFraction", kEnglish, "1.000,5", kMismatch},
                    FailureCase{"TrailingSign", kEnglish, "2-", kMismatch},
                    FailureCase{"Brackets", kEnglish, "(2)", kMismatch},
                    FailureCase{"Currency", kEnglish, "$2", kMismatch},
                    FailureCase{"SignAlone", kEnglish, "-", kMismatch},
                    FailureCase{"SignThenBlank", kEnglish, "- 2", kMismatch},
                    FailureCase{"PointAlone", kEnglish, ".", kMismatch},
                    FailureCase{"ExponentWithoutDigits", kEnglish, "1E", kMismatch},
                    FailureCase{"DExponent", kEnglish, "1D3", kMismatch},
                    FailureCase{"BlankInside", kEnglish, "1 2", kMismatch},
                    FailureCase{"Nul", kEnglish, std::string("1\0", 2), kMismatch},
                    FailureCase{"NotUtf8", kEnglish,
                                "\xff"
                                "1",
                                kMismatch},
                    FailureCase{"HexIsNotStrict", kEnglish, "&HFF", kMismatch},
                    FailureCase{"GermanPoint", kGerman, "1.5", kMismatch},
                    FailureCase{"Overflow", kEnglish, "1E999", ReadError::Overflow},
                    FailureCase{"NegativeOverflow", kEnglish, "-1E999", ReadError::Overflow},
                    FailureCase{"LongOverflow", kEnglish, std::string(400, '9'), ReadError::Overflow}),
    kFailureName);

TEST(ReadLocaleNumberTest, ErrorsCarryTheirNumbersAndDescriptions) {
    EXPECT_EQ(numtext::ErrorNumber(ReadError::TypeMismatch), 13);
    EXPECT_EQ(numtext::ErrorDescription(ReadError::TypeMismatch), "Type mismatch");
    EXPECT_EQ(numtext::ErrorNumber(ReadError::Overflow), 6);
    EXPECT_EQ(numtext::ErrorDescription(ReadError::Overflow), "Overflow");
}

TEST(ReadLocaleNumberTest, ReadsAMegabyteOfText) {
    const std::string blanks(1 << 20, ' ');
    EXPECT_EQ(numtext::ReadLocaleNumber(blanks + "7" + blanks, kEnglish).value, 7.0);
    EXPECT_EQ(numtext::ReadLocaleNumber(std::string(1 << 20, '7') + "x", kEnglish).error,
              ReadError::TypeMismatch);
    EXPECT_EQ(numtext::ReadLocaleNumber(std::string(1 << 20, '7'), kEnglish).error, ReadError::Overflow);
}

} // namespace
