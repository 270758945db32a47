#include "model/TextNumber.h"

#include <limits>

namespace zorozod {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t ReadLeadingInteger(std::string_view s) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > kMax + 1) magnitude = kMax + 1;  // saturated; stays small enough not to overflow
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);  // -(kMax + 1) is the lower bound
    return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

}  // namespace zorozod
