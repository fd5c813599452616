#include "reference_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace reference {
namespace {

// Wide enough for seven digits times 10^31.
__extension__ typedef __int128 Int128;

struct SevenDigits {
    bool negative;
    long long mantissa; // d1d2...d7 as a whole number
    int exponent;       // value = mantissa x 10^(exponent - 6)
};

SevenDigits Split(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6e", static_cast<double>(value));
    SevenDigits d{buffer[0] == '-', 0, 0};
    const char* p = buffer + (d.negative ? 1 : 0);
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            d.mantissa = d.mantissa * 10 + (*p - '0');
        }
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

std::string Digits(Int128 n) {
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n > 0);
    return text;
}

Int128 Power10(int n) {
    Int128 p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

} // namespace

std::string MaskText(int places, const std::string& tail, float value) {
    const SevenDigits d = Split(value);
    const int k = d.exponent - 6 + places; // value x 10^places = mantissa x 10^k
    std::string whole;
    std::string fraction;
    if (k > 30) {
        // Only whole numbers this large: mantissa followed by zeros, no fraction digits.
        whole = std::to_string(d.mantissa) + std::string(static_cast<std::size_t>(d.exponent - 6), '0');
        fraction.assign(static_cast<std::size_t>(places), '0');
    } else {
        Int128 scaled = 0;
        if (k >= 0) {
            scaled = static_cast<Int128>(d.mantissa) * Power10(k);
        } else if (k >= -8) {
            const Int128 p = Power10(-k);
            scaled = (d.mantissa + p / 2) / p; // halves away from zero on the magnitude
        }
        const Int128 unit = Power10(places);
        const Int128 w = scaled / unit;
        if (w != 0) {
            whole = Digits(w);
        }
        const std::string f = Digits(scaled % unit + unit); // a leading 1 keeps the zeros
        fraction = f.substr(1);
    }
    return (d.negative ? "-" : "") + whole + "." + fraction + tail;
}

std::string PlainText(float value) {
    if (value == 0) {
        return " 0";
    }
    const SevenDigits d = Split(value);
    char buffer[128];
    std::string text;
    if (d.exponent >= 7 || d.exponent < -4) {
        std::snprintf(buffer, sizeof buffer, "%.6e", std::fabs(static_cast<double>(value)));
        std::string mantissa(buffer, std::strchr(buffer, 'e'));
        while (mantissa.back() == '0') {
            mantissa.pop_back();
        }
        if (mantissa.back() == '.') {
            mantissa.pop_back();
        }
        std::snprintf(buffer, sizeof buffer, "E%+03d", d.exponent);
        text = mantissa + buffer;
    } else {
        const int decimals = d.exponent >= 6 ? 0 : 6 - d.exponent;
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(static_cast<double>(value)));
        text = buffer;
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') {
                text.pop_back();
            }
            if (text.back() == '.') {
                text.pop_back();
            }
        }
        if (text.rfind("0.", 0) == 0) {
            text.erase(0, 1);
        }
    }
    return (d.negative ? "-" : " ") + text;
}

} // namespace reference
