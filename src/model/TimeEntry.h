// The rules that help a user type a time text: which keys a time box takes,
// when it adds the colon itself, and when its text is complete.
#pragma once

#include <string_view>

namespace zorozod {

enum class TimeBoxKind {
    OnOff,       // on and off times: hours 00 to 23
    CreditHard,  // credit and hard times: any number of hours
};

inline constexpr char kBackspace = 8;
inline constexpr char kEnter = 13;

// Whether a typed character may reach a time box holding `text`. The whole
// text before the key counts, wherever the caret is.
bool TimeKeyAccepted(TimeBoxKind kind, std::string_view text, char key);

// Whether the box adds a colon after this change: two characters, no colon,
// and the last key typed was not Backspace.
bool TimeTextWantsColon(std::string_view text, char lastKey);

// A time text is complete once a colon has at least two characters after it.
bool TimeTextComplete(std::string_view text);

}  // namespace zorozod
