// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace reference {
namespace {

__extension__ typedef unsigned __int128 U128;

// A whole number, least significant word first, with room for a 53-bit mantissa times 5^343 (the
// smallest subnormal's twenty digits) or times 2^971 (the largest double). Only `size` words are in
// use, so the small numbers of ordinary values cost little.
struct Big {
    std::array<std::uint64_t, 18> w{};
    int size = 0;

    Big() = default;
    explicit Big(std::uint64_t n) {
        w[0] = n;
        size = n != 0 ? 1 : 0;
    }
};

void TimesSmall(Big& a, std::uint64_t m) {
    U128 carry = 0;
    for (int i = 0; i < a.size; ++i) {
        const U128 product = static_cast<U128>(a.w[i]) * m + carry;
        a.w[i] = static_cast<std::uint64_t>(product);
        carry = product >> 64;
    }
    if (carry != 0) {
        a.w[a.size++] = static_cast<std::uint64_t>(carry);
    }
}

void ShiftLeft(Big& a, int bits) {
    if (a.size == 0) {
        return;
    }
    const int words = bits / 64;
    const int rest = bits % 64;
    const int oldSize = a.size;
    a.size += words + 1;
    a.w[a.size - 1] = 0;
    for (int i = oldSize - 1; i >= 0; --i) {
        const std::uint64_t word = a.w[i];
        a.w[i + words + 1] |= rest != 0 ? word >> (64 - rest) : 0;
        a.w[i + words] = word << rest;
    }
    for (int i = 0; i < words; ++i) {
        a.w[i] = 0;
    }
    while (a.size > 0 && a.w[a.size - 1] == 0) {
        --a.size;
    }
}

// floor(a / 2^bits), known to fit 128 bits, and whether the bits shifted out were not all zero.
U128 ShiftRight(const Big& a, int bits, bool& lost) {
    const int words = bits / 64;
    const int rest = bits % 64;
    auto word = [&](int i) { return i < a.size ? a.w[i] : std::uint64_t{0}; };
    lost = false;
    for (int i = 0; i < words && i < a.size; ++i) {
        lost = lost || a.w[i] != 0;
    }
    if (rest != 0) {
        lost = lost || (word(words) & ((std::uint64_t{1} << rest) - 1)) != 0;
    }
    auto part = [&](int i) { // 64 bits from bit 64 i + bits on
        const std::uint64_t low = word(words + i);
        return rest != 0 ? (low >> rest) | (word(words + i + 1) << (64 - rest)) : low;
    };
    return (static_cast<U128>(part(1)) << 64) | part(0);
}

int Compare(const Big& a, const Big& b) {
    if (a.size != b.size) {
        return a.size < b.size ? -1 : 1;
    }
    for (int i = a.size - 1; i >= 0; --i) {
        if (a.w[i] != b.w[i]) {
            return a.w[i] < b.w[i] ? -1 : 1;
        }
    }
    return 0;
}

void Subtract(Big& a, const Big& b) { // a >= b
    std::uint64_t borrow = 0;
    for (int i = 0; i < a.size; ++i) {
        const std::uint64_t right = i < b.size ? b.w[i] : 0;
        const std::uint64_t difference = a.w[i] - right - borrow;
        borrow = (a.w[i] < right || (a.w[i] == right && borrow != 0)) ? 1 : 0;
        a.w[i] = difference;
    }
    while (a.size > 0 && a.w[a.size - 1] == 0) {
        --a.size;
    }
}

int BitLength(const Big& a) {
    return a.size == 0 ? 0 : 64 * (a.size - 1) + 64 - std::countl_zero(a.w[a.size - 1]);
}

// The `bits` highest bits of a, whose bit length is `length`, as a whole number.
std::uint64_t Top(const Big& a, int length, int bits) {
    if (length <= bits) {
        return a.size == 0 ? 0 : a.w[0] << (bits - length);
    }
    bool lost = false;
    return static_cast<std::uint64_t>(ShiftRight(a, length - bits, lost));
}

// floor(n / d), known to fit 128 bits, and whether a remainder was left. Each round takes away a
// multiple of d that cannot be too large: n's top 64 bits over d's top 32 bits rounded up.
U128 Divide(Big n, const Big& d, bool& lost) {
    const int dLength = BitLength(d);
    const std::uint64_t dTop = Top(d, dLength, 32) + 1;
    U128 q = 0;
    while (Compare(n, d) >= 0) {
        const int nLength = BitLength(n);
        const int shift = nLength - 64 - (dLength - 32); // n / d is about (nTop / dTop) x 2^shift
        std::uint64_t part = Top(n, nLength, 64) / dTop;
        if (shift < 0) {
            part >>= -shift;
        }
        part = std::max<std::uint64_t>(part, 1); // n >= d, so one d at least can go
        Big taken = d;
        TimesSmall(taken, part);
        ShiftLeft(taken, std::max(shift, 0));
        Subtract(n, taken);
        q += static_cast<U128>(part) << std::max(shift, 0);
    }
    lost = n.size != 0;
    return q;
}

// 5^p for p = 0 .. 344.
const std::array<Big, 345>& PowersOfFive() {
    static const std::array<Big, 345> powers = [] {
        std::array<Big, 345> p{};
        p[0] = Big(1);
        for (std::size_t i = 1; i < p.size(); ++i) {
            p[i] = p[i - 1];
            TimesSmall(p[i], 5);
        }
        return p;
    }();
    return powers;
}

// 10^n for n = 0 .. 20.
U128 PowerOfTen(int n) {
    static const std::array<U128, 21> powers = [] {
        std::array<U128, 21> p{};
        p[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i) {
            p[i] = p[i - 1] * 10;
        }
        return p;
    }();
    return powers[static_cast<std::size_t>(n)];
}

// floor(m x 2^e x 10^p) and whether a fraction was cut off.
U128 ScaledFloor(std::uint64_t m, int e, int p, bool& lost) {
    lost = false;
    if (p >= 0) {
        Big a = PowersOfFive()[static_cast<std::size_t>(p)]; // m x 5^p x 2^(e + p)
        TimesSmall(a, m);
        const int shift = e + p;
        if (shift >= 0) {
            ShiftLeft(a, shift);
            return ShiftRight(a, 0, lost);
        }
        return ShiftRight(a, -shift, lost);
    }
    // Values of 10^20 and more: m x 2^(e + p) / 5^-p, where e + p > 0 for any such double.
    Big n(m);
    ShiftLeft(n, e + p);
    return Divide(n, PowersOfFive()[static_cast<std::size_t>(-p)], lost);
}

} // namespace

Leading20 ExactLeading20(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Leading20 exact;
    exact.negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0 && m == 0) {
        return exact;
    }
    int e = -1074; // value = m x 2^e
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    // A first guess at the decimal exponent; the loop below corrects it.
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
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
    const U128 rest = exact.digits - kept * unit;
    const U128 half = unit / 2;
    const bool tie = rest == half && !exact.beyond;
    if (rest > half || (rest == half && (exact.beyond || kept % 2 == 1))) {
        ++kept;
    }
    int exponent = exact.exponent;
    if (kept == PowerOfTen(n)) {
        kept /= 10;
        ++exponent;
    }
    return {static_cast<std::uint64_t>(kept), exponent, tie};
}

} // namespace reference
