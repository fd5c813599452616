// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all: the lenient reader returns, reads only inside the text (the sanitizers watch
// that), and gives a finite number or a failure; its number survives being written and read again,
// but for the few next to the largest double, whose fifteen digits round up past it.

#include <numtext/numtext.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = numtext::ReadLeadingNumber(text);
    if (value && !std::isfinite(*value)) {
        std::abort();
    }
    if (value) {
        const std::string written = numtext::GeneralNumberText(*value);
        const std::optional<double> again = numtext::ReadLeadingNumber(written);
        if (!again && (written == "1.79769313486232E+308" || written == "-1.79769313486232E+308")) {
            return 0;
        }
        // Fifteen digits are close to the value, though not always the same double.
        if (!again || std::fabs(*again - *value) > std::fabs(*value) * 1e-14) {
            std::abort();
        }
    }
    return 0;
}
