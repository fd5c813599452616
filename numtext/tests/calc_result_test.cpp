// SPDX-License-Identifier: GPL-3.0-or-later
#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(MakeCalcResultTest, RoundsToFloatAndFlagsOnlyNonFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double exact;
        bool failed;
    };
    for (const Row& row :
         {Row{1.6875, false}, Row{0.0, false}, Row{-3.5, false}, Row{3.4028234e38, false}, Row{1e39, true},
          Row{-1e39, true}, Row{inf, true}, Row{-inf, true}, Row{std::nan(""), true}, Row{1e-50, false}}) {
        const numtext::CalcResult r = numtext::MakeCalcResult(row.exact);
        EXPECT_EQ(r.failed, row.failed) << row.exact;
        EXPECT_EQ(r.failed, !std::isfinite(r.value)) << row.exact;
    }
}

TEST(MakeCalcResultTest, RoundsToNearestFloatTiesToEven) {
    EXPECT_EQ(numtext::MakeCalcResult(7000.0 * 86.0 / 159.59).value, 3772.166259765625f);
    // 1 + 2^-24 lies halfway between 1 and the next float: it goes to the even one, 1.
    EXPECT_EQ(numtext::MakeCalcResult(1.0 + std::ldexp(1.0, -24)).value, 1.0f);
    EXPECT_EQ(numtext::MakeCalcResult(1.0 + 3 * std::ldexp(1.0, -24)).value, 1.0f + std::ldexp(1.0f, -22));
}

} // namespace
