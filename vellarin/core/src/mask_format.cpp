#include <vellarin/mask_format.h>

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

// round(|value| x 10^decimals), halves up, from the value's 19 significant digits, as digits.
std::string ScaledDigits(double magnitude, int decimals) {
    char buffer[48];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    (void)ec;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

    const long long keep = static_cast<long long>(exponent) + 1 + decimals;
    if (keep <= 0) {
        return keep == 0 && digits.front() >= '5' ? "1" : "0";
    }
    if (keep >= static_cast<long long>(digits.size())) {
        return digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    return digits;
}

// The word that stands for an infinite or undefined value, with the one blank before it that a
// number in that place has: the field's own fill, or the blank the text before it ends in.
std::string NonFiniteText(const Field& field, double value) {
    const bool spaced = !field.before.empty() && field.before.back() == ' ';
    return std::string(spaced ? "" : " ") + (std::isnan(value) ? "Not a number"
                                             : value < 0       ? "-Infinity"
                                                               : "Infinity");
}

std::string FieldText(const Field& field, double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(field, value);
    }
    std::string scaled = ScaledDigits(std::fabs(value), field.decimals);
    const auto decimals = static_cast<std::size_t>(field.decimals);
    if (scaled.size() <= decimals) {
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    }
    std::string whole = scaled.substr(0, scaled.size() - decimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty() && field.wholePlaces >= 1) {
        whole.push_back('0'); // an integer part of 0 still shows its digit
    }
    std::string text;
    if (value < 0) {
        text.push_back('-');
    }
    text += whole;
    if (field.point) {
        text += '.';
        text.append(scaled, scaled.size() - decimals, decimals);
    }
    const auto width = static_cast<std::size_t>(field.wholePlaces + (field.point ? 1 : 0) + field.decimals);
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

} // namespace

std::string FormatUsingMask(std::string_view mask, double value) {
    const Field field = ParseMask(mask);
    if (field.before.size() == mask.size()) {
        return std::string(mask); // no field: the text alone
    }
    std::string text(field.before);
    text += FieldText(field, value);
    text += field.after;
    return text;
}

} // namespace vellarin
