// On Windows, file names and registry texts go to the system as UTF-16; the
// program holds them as UTF-8.
#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace zorozod {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace zorozod

#endif
