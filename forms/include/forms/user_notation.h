#pragma once
// The user's locale notation (decimal and group separators) as Qt reports it, for the strict reader
// and the general number text of numtext, which know no locale themselves.

#include <numtext/numtext.h>

namespace forms {

numtext::Notation UserNotation();

} // namespace forms
