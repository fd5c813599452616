// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_decimal.h"

#include <array>
#include <bit>

namespace reference {
namespace {

__extension__ typedef unsigned __int128 U128;

// A 192-bit whole number, least significant word first: room for a 24-bit mantissa times 5^70.
struct U192 {
    std::array<std::uint64_t, 3> w{};
};

U192 TimesSmall(const U192& a, std::uint64_t m) {
    U192 r;
    U128 carry = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const U128 product = static_cast<U128>(a.w[i]) * m + carry;
        r.w[i] = static_cast<std::uint64_t>(product);
        carry = product >> 64;
    }
    return r;
}

// 5^p for p = 0 .. 70.
const std::array<U192, 71>& PowersOfFive() {
    static const std::array<U192, 71> powers = [] {
        std::array<U192, 71> p{};
        p[0].w[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i) {
            p[i] = TimesSmall(p[i - 1], 5);
        }
        return p;
    }();
    return powers;
}

U128 PowerOfTen(int n) {
    U128 p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

// floor(a / 2^t) (known to fit 128 bits) and whether the bits shifted out were not all zero.
U128 ShiftRight(const U192& a, int t, bool& lost) {
    lost = false;
    U192 r = a;
    while (t >= 64) {
        lost = lost || r.w[0] != 0;
        r.w = {r.w[1], r.w[2], 0};
        t -= 64;
    }
    if (t > 0) {
        lost = lost || (r.w[0] & ((std::uint64_t{1} << t) - 1)) != 0;
        r.w = {(r.w[0] >> t) | (r.w[1] << (64 - t)), (r.w[1] >> t) | (r.w[2] << (64 - t)), r.w[2] >> t};
    }
    return (static_cast<U128>(r.w[1]) << 64) | r.w[0];
}

// floor(m x 2^e x 10^p) and whether a fraction was cut off.
U128 ScaledFloor(std::uint32_t m, int e, int p, bool& lost) {
    lost = false;
    if (p >= 0) {
        const U192 a = TimesSmall(PowersOfFive()[static_cast<std::size_t>(p)], m); // m x 5^p
        const int shift = e + p;                                                   // times 2^shift
        if (shift >= 0) {
            return ShiftRight(a, 0, lost) << shift;
        }
        return ShiftRight(a, -shift, lost);
    }
    const U128 whole = static_cast<U128>(m) << e; // p < 0 only for values of 10^20 and more: e > 0
    const U128 divisor = PowerOfTen(-p);
    lost = whole % divisor != 0;
    return whole / divisor;
}

} // namespace

Leading20 ExactLeading20(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    Leading20 exact;
    exact.negative = (bits >> 31) != 0;
    const int biased = static_cast<int>((bits >> 23) & 0xff);
    std::uint32_t m = bits & 0x7fffff;
    if (biased == 0 && m == 0) {
        return exact;
    }
    int e = -149; // value = m x 2^e
    if (biased != 0) {
        m |= 0x800000;
        e = biased - 150;
    }
    const int top = 31 - std::countl_zero(m) + e;                  // 2^top <= value < 2^(top + 1)
    int exponent = (top * 30103 - (top < 0 ? 99999 : 0)) / 100000; // about floor(top x log10 2)
    const U128 low = PowerOfTen(19);
    const U128 high = PowerOfTen(20);
    for (;;) {
        bool lost = false;
        const U128 digits = ScaledFloor(m, e, 19 - exponent, lost);
        if (digits >= high) {
            ++exponent;
        } else if (digits < low) {
            --exponent;
        } else {
            exact.digits = digits;
            exact.beyond = lost;
            exact.exponent = exponent;
            return exact;
        }
    }
}

Rounded RoundToDigits(const Leading20& exact, int n) {
    if (exact.digits == 0) {
        return {};
    }
    const U128 unit = PowerOfTen(20 - n);
    U128 kept = exact.digits / unit;
    const U128 rest = exact.digits % unit;
    const U128 half = unit / 2;
    if (rest > half || (rest == half && (exact.beyond || kept % 2 == 1))) {
        ++kept;
    }
    int exponent = exact.exponent;
    if (kept == PowerOfTen(n)) {
        kept /= 10;
        ++exponent;
    }
    return {static_cast<std::uint64_t>(kept), exponent};
}

} // namespace reference
