// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>
#include <pressure/conversion.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The factor table as printed for the converter, typed apart from the program's own table so that a
// slip in either shows; "open" marks the three cells that the path through the other cells settles.
const char* const kPrintedTable = R"(
1 1.01295 1012950 29.9213 406.86 1.03325 1012.95 760000 101295 14.696 760
0.9872 1 1000000 29.54 401.65 1.02 1000 750280 100000 14.508 750.2838
0.0000009872 0.000001 1 0.00002954 0.00040165 0.00000102 0.001 0.75028 0.1 0.000014508 0.00075028
0.03342 0.03385 33850 1 13.598 0.034532 33.85 25400 3385 0.4912 25.4
0.002458 0.002489 open 0.07354 1 0.0025396 2.489 open 248.9 0.03612 1.868
0.9678 0.9804 980400 28.958 393.76 1 980.4 735540 98040 14.223 735.54
0.0009872 0.001 1000 0.02954 0.4018 0.00102 1 750.28 100 0.0145 0.75028
0.000001316 0.0000013328 1.3328 0.00003937 0.0005353 0.0000013595 0.0013328 1 0.13328 0.00001934 0.001
0.000009869 0.00001 10 0.0002954 0.004018 0.0000102 0.01 7.5028 1 0.00014508 0.0075028
0.06805 0.06893 68927 2.036 27.68 0.070309 68.97 51710 6892.7 1 51.71
0.0013158 0.0013328 open 0.03937 0.5353 0.0013595 1.3328 1000 133.28 0.01934 1
)";

constexpr int kBars = 2;

std::vector<std::vector<std::string>> PrintedCells() {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(kPrintedTable);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        std::vector<std::string> row;
        for (std::string cell; cells >> cell;) {
            row.push_back(cell);
        }
        if (!row.empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

TEST(FactorTableTest, EveryPrintedCellIsTheNearestDouble) {
    const auto rows = PrintedCells();
    ASSERT_EQ(rows.size(), 11u);
    int open = 0;
    for (int from = 1; from <= 11; ++from) {
        ASSERT_EQ(rows[from - 1].size(), 11u) << "row " << from;
        for (int to = 1; to <= 11; ++to) {
            const std::string& cell = rows[from - 1][to - 1];
            if (cell == "open") {
                ++open;
                continue;
            }
            EXPECT_EQ(pressure::Factors()[from][to], std::strtod(cell.c_str(), nullptr))
                << pressure::PressureUnits[from - 1] << " to " << pressure::PressureUnits[to - 1];
        }
    }
    EXPECT_EQ(open, 3);
}

TEST(FactorTableTest, OpenCellsFollowThePathTheTableGives) {
    const auto& f = pressure::Factors();
    EXPECT_DOUBLE_EQ(f[5][3], f[5][kBars] * f[kBars][3]);   // In. Water. to Dynes/cm2 through Bars
    EXPECT_DOUBLE_EQ(f[5][8], f[5][11] * f[11][8]);         // In. Water. to mTorrs through Torrs
    EXPECT_DOUBLE_EQ(f[11][3], f[11][kBars] * f[kBars][3]); // Torrs to Dynes/cm2 through Bars
}

TEST(FactorTableTest, EveryCellAgreesWithThePathThroughBarsWithinOnePerCent) {
    const auto& f = pressure::Factors();
    for (int from = 1; from <= 11; ++from) {
        for (int to = 1; to <= 11; ++to) {
            const double path = f[from][kBars] * f[kBars][to];
            EXPECT_NEAR(f[from][to] / path, 1.0, 0.01)
                << pressure::PressureUnits[from - 1] << " to " << pressure::PressureUnits[to - 1];
        }
    }
}

TEST(FactorTableTest, DiagonalIsOneAndUnitZeroIsZero) {
    for (int unit = 0; unit <= 11; ++unit) {
        EXPECT_EQ(pressure::ConvertPressure(2.5, unit, unit), unit == 0 ? 0 : 2.5);
        EXPECT_EQ(pressure::ConvertPressure(2.5, 0, unit), 0);
        EXPECT_EQ(pressure::ConvertPressure(2.5, unit, 0), 0);
    }
}

TEST(PressureUnitsTest, NamesAreAsShown) {
    EXPECT_EQ(pressure::PressureUnits.front(), "Atmospheres");
    EXPECT_EQ(pressure::PressureUnits[3], "In. Hg.");
    EXPECT_EQ(pressure::PressureUnits[4], "In. Water.");
    EXPECT_EQ(pressure::PressureUnits[8], "Pascels");
    EXPECT_EQ(pressure::PressureUnits.back(), "Torrs");
}

struct ConversionCase {
    double value;
    int from;
    int to;
    const char* text;
    friend void PrintTo(const ConversionCase& c, std::ostream* os) {
        *os << c.value << " " << c.from << "->" << c.to;
    }
};

class ConvertPressureTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertPressureTest, GivesTheWorkedValue) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(numtext::GeneralNumberText(pressure::ConvertPressure(c.value, c.from, c.to)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, ConvertPressureTest,
    testing::Values(ConversionCase{1, 1, 10, "14.696"}, ConversionCase{14.7, 10, 1, "1.000335"},
                    ConversionCase{1, 1, 2, "1.01295"}, ConversionCase{3, 1, 2, "3.03885"},
                    ConversionCase{2, 2, 9, "200000"}, ConversionCase{100, 3, 7, "0.1"},
                    ConversionCase{760, 11, 1, "1.000008"}, ConversionCase{-2, 2, 6, "-2.04"},
                    ConversionCase{1.5, 4, 4, "1.5"}, ConversionCase{1e9, 1, 3, "1.01295E+15"},
                    ConversionCase{1, 0, 3, "0"}, ConversionCase{1, 3, 0, "0"},
                    ConversionCase{1.7e308, 1, 3, "Infinity"}));

} // namespace
