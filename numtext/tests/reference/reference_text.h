#pragma once
// The mask and plain texts of a float written a second way, from the C library's printf and integer
// arithmetic, so that the property test and the exhaustive benchmark compare two independent
// formulations of the same rules.

#include <string>

namespace reference {

std::string MaskText(int places, const std::string& tail, float value);
std::string PlainText(float value);

} // namespace reference
