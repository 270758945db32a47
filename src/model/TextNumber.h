#pragma once

#include <cstdint>
#include <string_view>

namespace zorozod {

// Reads the number at the start of a text as atol does: leading white space
// skipped, one optional sign, then decimal digits up to the first other
// character; no digits reads as 0. Saturates at the signed 32-bit bounds.
std::int32_t ReadLeadingInteger(std::string_view text);

}  // namespace zorozod
