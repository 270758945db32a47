// The save time as the toolbox file and the backup's name show it.
//
// Patterns use the usual field letters: d dd ddd dddd (day), M MM MMM MMMM
// (month), yy yyyy (year), h hh (hour, 12-hour when an AP/ap marker is in the
// pattern), H HH (24-hour), m mm (minute), s ss (second), z zzz
// (milliseconds, always 0 here), AP ap A a (the day half), t (time zone: left
// out, a save time carries none) and text in single quotes. Any other
// character stands for itself.
#pragma once

#include <string>
#include <string_view>

namespace zorozod {

struct SaveTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

// The date in a short date pattern, with "-" between its fields whatever
// separators the pattern uses, and nothing before the first or after the last.
std::string FormatShortDate(const SaveTime& time, std::string_view shortDatePattern);

// The time of day in a long time pattern.
std::string FormatLongTime(const SaveTime& time, std::string_view longTimePattern);

// The date line of a toolbox file: the short date, then one blank and the long
// time unless the time of day is exactly 00:00:00.
std::string FormatDateLine(const SaveTime& time, std::string_view shortDatePattern,
                           std::string_view longTimePattern);

}  // namespace zorozod
