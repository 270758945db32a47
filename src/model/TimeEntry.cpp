#include "model/TimeEntry.h"

namespace zorozod {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TimeKeyAccepted(TimeBoxKind kind, std::string_view text, char key) {
    if (key == kBackspace || key == kEnter) return true;
    const std::size_t len = text.size();
    const std::size_t colon = text.find(':');
    const std::size_t p = colon == std::string_view::npos ? 0 : colon + 1;  // 1-based, 0 for none
    if (key == ':' && p == 0) return true;
    if (!IsDigit(key) && key != ':') return false;
    if (p > 0) {
        if (len == p) return key <= '5';      // the first minute character
        return len <= p + 1;                  // at most two after the colon
    }
    if (kind == TimeBoxKind::CreditHard) return true;
    if (len >= 2) return false;
    if (len == 1) return !(text[0] > '1' && key > '3');
    return key <= '2';
}

bool TimeTextWantsColon(std::string_view text, char lastKey) {
    return text.size() == 2 && text.find(':') == std::string_view::npos && lastKey != kBackspace;
}

bool TimeTextComplete(std::string_view text) {
    const std::size_t colon = text.find(':');
    return colon != std::string_view::npos && text.size() >= colon + 3;
}

}  // namespace zorozod
