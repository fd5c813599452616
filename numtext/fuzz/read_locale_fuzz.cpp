// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all, in the English and the German notation: the strict reader returns, reads only
// inside the text, and gives a finite number or one of its two failures; a number it accepts is also
// accepted with blanks around it.

#include <numtext/numtext.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const numtext::Notation& notation : {numtext::Notation{".", ","}, numtext::Notation{",", "."}}) {
        const numtext::StrictReading r = numtext::ReadLocaleNumber(text, notation);
        if (r.ok() && !std::isfinite(r.value)) {
            std::abort();
        }
        if (r.error && *r.error != numtext::ReadError::TypeMismatch &&
            *r.error != numtext::ReadError::Overflow) {
            std::abort();
        }
        if (r.ok()) {
            const numtext::StrictReading padded =
                numtext::ReadLocaleNumber(" " + std::string(text) + " ", notation);
            if (!padded.ok() || padded.value != r.value) {
                std::abort();
            }
        }
    }
    return 0;
}
