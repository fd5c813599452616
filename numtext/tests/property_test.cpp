// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_text.h"

#include <numtext/numtext.h>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// Bit patterns spread evenly over all 2^32 floats, both signs, every exponent, subnormals included.
constexpr std::uint32_t kSamples = 2'000'000;
constexpr std::uint32_t kStride = 2147; // odd, so the low mantissa bits vary too

TEST(FloatTextPropertyTest, MaskAndPlainTextsAgreeWithPrintf) {
    int mismatches = 0;
    for (std::uint32_t i = 0; i < kSamples && mismatches < 10; ++i) {
        const float value = std::bit_cast<float>(i * kStride);
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string plain = numtext::PlainNumberText(value);
        const std::string masked = numtext::MaskNumberText(".00cc", value);
        const std::string whole = numtext::MaskNumberText(". ins", value);
        if (plain != reference::PlainText(value) || masked != reference::MaskText(2, "cc", value) ||
            whole != reference::MaskText(0, " ins", value)) {
            ++mismatches;
            ADD_FAILURE() << "value " << value << ": " << plain << " | " << masked << " | " << whole;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
