// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/estimator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct EstimateCase {
    const char* weight;
    const char* power;
    const char* etLine;
    const char* esLine;
    friend void PrintTo(const EstimateCase& c, std::ostream* os) {
        *os << c.weight << " lb " << c.power << " hp";
    }
};

class CalculateEtTest : public testing::TestWithParam<EstimateCase> {};

TEST_P(CalculateEtTest, WritesBothLines) {
    const vellarin::EtEstimate e = vellarin::CalculateEt(GetParam().weight, GetParam().power);
    EXPECT_EQ(e.etLine, GetParam().etLine);
    EXPECT_EQ(e.esLine, GetParam().esLine);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, CalculateEtTest,
                         testing::Values(EstimateCase{"3500", "165", "Estimated 1/4 mile time: 16.11 sec.",
                                                      "Estimated 1/4 mile speed: 84.53 mph"},
                                         EstimateCase{"6000", "50", "Estimated 1/4 mile time: 28.71 sec.",
                                                      "Estimated 1/4 mile speed: 47.44 mph"},
                                         EstimateCase{"1000", "2000", "Estimated 1/4 mile time:  4.62 sec.",
                                                      "Estimated 1/4 mile speed:294.82 mph"},
                                         EstimateCase{"1", "100000", "Estimated 1/4 mile time:  0.13 sec.",
                                                      "Estimated 1/4 mile speed:10861.32 mph"},
                                         EstimateCase{"-3500", "165", "Estimated 1/4 mile time:  5.82 sec.",
                                                      "Estimated 1/4 mile speed:234.00 mph"},
                                         EstimateCase{"3500", "", "Estimated 1/4 mile time: Infinity sec.",
                                                      "Estimated 1/4 mile speed:  0.00 mph"},
                                         EstimateCase{"", "165", "Estimated 1/4 mile time:  0.00 sec.",
                                                      "Estimated 1/4 mile speed: Infinity mph"},
                                         EstimateCase{"", "", "Estimated 1/4 mile time: Not a number sec.",
                                                      "Estimated 1/4 mile speed: Not a number mph"}));

TEST(EstimatorTest, DefaultInputsGiveTheFloatsAndTheStartingEt) {
    const vellarin::EtEstimate e = vellarin::CalculateEt("3500", "165");
    EXPECT_FLOAT_EQ(e.et, 16.110823f);
    EXPECT_FLOAT_EQ(e.es, 84.532005f);
    EXPECT_EQ(std::round(e.et * 10000) / 10000, vellarin::kDefaultEt);
}

TEST(EstimatorTest, FactorIsTheFloatOf582) {
    // (1000 / 1000)^(1/3) is 1, so the ET is the float 5.82 itself, widened.
    EXPECT_EQ(vellarin::EstimateEt(1000, 1000), 5.82f);
    EXPECT_EQ(static_cast<double>(vellarin::EstimateEt(1000, 1000)), 5.820000171661377);
}

TEST(CubeRootPowerTest, FourCases) {
    EXPECT_DOUBLE_EQ(vellarin::CubeRootPower(27), 3);
    EXPECT_EQ(vellarin::CubeRootPower(0), 0);
    EXPECT_EQ(vellarin::CubeRootPower(-8), 1);
    EXPECT_EQ(vellarin::CubeRootPower(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(vellarin::CubeRootPower(std::nan(""))));
}

} // namespace
