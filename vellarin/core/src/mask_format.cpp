// SPDX-License-Identifier: GPL-3.0-or-later
#include <vellarin/mask_format.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vellarin {
namespace {

// The conversion behind the mask carries 19 significant digits.
constexpr int kSignificantDigits = 19;

struct Field {
    std::string_view before;
    int wholePlaces = 0;
    bool point = false;
    int decimals = 0;
    std::string_view after;
};

Field ParseMask(std::string_view mask) {
    Field field;
    const std::size_t start = mask.find_first_of("#.");
    field.before = mask.substr(0, start);
    std::size_t pos = start == std::string_view::npos ? mask.size() : start;
    for (; pos < mask.size(); ++pos) {
        if (mask[pos] == '#') {
            ++(field.point ? field.decimals : field.wholePlaces);
        } else if (mask[pos] == '.' && !field.point) {
            field.point = true;
        } else {
            break;
        }
    }
    field.after = mask.substr(pos);
    return field;
}

// Room for the largest double's 309 whole digits, a carry and any decimals of a mask.
using DigitBuffer = std::array<char, 400>;

// round(|value| x 10^decimals), halves up, from the value's 19 significant digits, as digits.
std::string_view ScaledDigits(double magnitude, int decimals, DigitBuffer& out) {
    char buffer[48];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    (void)ec;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    char digits[kSignificantDigits];
    std::size_t count = 0;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits[count++] = c;
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

    const long long keep = static_cast<long long>(exponent) + 1 + decimals;
    if (keep <= 0) {
        return keep == 0 && digits[0] >= '5' ? "1" : "0";
    }
    char* const start = out.data() + 1; // one place in front for a carry
    if (keep >= static_cast<long long>(count)) {
        std::copy(digits, digits + count, start);
        std::fill(start + count, start + keep, '0');
        return {start, static_cast<std::size_t>(keep)};
    }
    std::copy(digits, digits + keep, start);
    if (digits[keep] < '5') {
        return {start, static_cast<std::size_t>(keep)};
    }
    char* p = start + keep;
    while (p > start && *(p - 1) == '9') {
        *--p = '0';
    }
    if (p == start) {
        out[0] = '1';
        return {out.data(), static_cast<std::size_t>(keep) + 1};
    }
    ++*(p - 1);
    return {start, static_cast<std::size_t>(keep)};
}

// The word that stands for an infinite or undefined value, with the one blank before it that a
// number in that place has: the field's own fill, or the blank the text before it ends in.
void AppendNonFinite(const Field& field, double value, std::string& text) {
    if (field.before.empty() || field.before.back() != ' ') {
        text.push_back(' ');
    }
    text.append(std::isnan(value) ? "Not a number" : value < 0 ? "-Infinity" : "Infinity");
}

void AppendField(const Field& field, double value, std::string& text) {
    if (!std::isfinite(value)) {
        AppendNonFinite(field, value, text);
        return;
    }
    DigitBuffer buffer;
    const std::string_view scaled = ScaledDigits(std::fabs(value), field.decimals, buffer);
    const auto decimals = static_cast<std::size_t>(field.decimals);
    // The whole digits without leading zeros; an integer part of 0 still shows its digit.
    std::string_view whole = scaled.size() > decimals ? scaled.substr(0, scaled.size() - decimals) : "";
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty() && field.wholePlaces >= 1) {
        whole = "0";
    }
    const std::size_t length = (value < 0 ? 1 : 0) + whole.size() + (field.point ? 1 + decimals : 0);
    const auto width = static_cast<std::size_t>(field.wholePlaces + (field.point ? 1 : 0) + field.decimals);
    if (length < width) {
        text.append(width - length, ' ');
    }
    if (value < 0) {
        text.push_back('-');
    }
    text.append(whole);
    if (field.point) {
        text.push_back('.');
        if (scaled.size() < decimals) {
            text.append(decimals - scaled.size(), '0');
        }
        text.append(scaled.substr(scaled.size() > decimals ? scaled.size() - decimals : 0));
    }
}

} // namespace

std::string FormatUsingMask(std::string_view mask, double value) {
    const Field field = ParseMask(mask);
    if (field.before.size() == mask.size()) {
        return std::string(mask); // no field: the text alone
    }
    std::string text;
    text.reserve(mask.size() + 16);
    text.append(field.before);
    AppendField(field, value, text);
    text.append(field.after);
    return text;
}

} // namespace vellarin
