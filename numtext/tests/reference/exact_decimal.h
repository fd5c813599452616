// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact decimal value of a double (and so of a float), read from its bits with integer arithmetic
// alone: the first twenty significant digits and whether anything follows them, from which any
// rounding to fewer digits is decided exactly, ties included. Nothing here calls printf or to_chars,
// so the texts made from it are an independent formulation of the programs' rules.

#include <cstdint>

namespace reference {

__extension__ typedef unsigned __int128 Uint128;

// |value| = 0.d1d2...d20... x 10^(exponent + 1): digits holds d1..d20 as a whole number in
// [10^19, 10^20), beyond is true when a nonzero digit follows d20. Zero has digits 0.
struct Leading20 {
    bool negative = false;
    Uint128 digits = 0;
    bool beyond = false;
    int exponent = 0; // decimal exponent of d1
};

Leading20 ExactLeading20(double value);

// The value rounded to n significant digits (1 to 19), to nearest with ties to even: d1..dn as a
// whole number in [10^(n-1), 10^n), and the decimal exponent of d1. Zero gives 0 and 0. tie says
// that the value lay exactly halfway between its two neighbours of n digits.
struct Rounded {
    std::uint64_t digits = 0;
    int exponent = 0;
    bool tie = false;
};

Rounded RoundToDigits(const Leading20& exact, int n);

} // namespace reference
