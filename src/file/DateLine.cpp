#include "file/DateLine.h"

#include <array>
#include <vector>

namespace zorozod {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

struct Piece {
    bool field;
    std::string text;
};

std::string Number(int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return value < 0 ? "-" + digits : digits;
}

int DayOfWeek(int year, int month, int day) {  // 0 = Sunday
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const int m = (month >= 1 && month <= 12) ? month : 1;
    const int w = (year + year / 4 - year / 100 + year / 400 + offsets[m - 1] + day) % 7;
    return w < 0 ? w + 7 : w;
}

std::string_view MonthName(int month) {
    return (month >= 1 && month <= 12) ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view();
}

// Cuts a pattern into fields and literal text, rendering each field.
std::vector<Piece> Render(const SaveTime& t, std::string_view pattern) {
    bool twelveHour = false;  // a day-half marker outside quoted text
    for (std::size_t i = 0, quoted = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\'') quoted ^= 1;
        else if (!quoted && (pattern[i] == 'A' || pattern[i] == 'a')) twelveHour = true;
    }
    std::vector<Piece> pieces;
    auto literal = [&pieces](std::string_view text) {
        if (!pieces.empty() && !pieces.back().field)
            pieces.back().text += text;
        else
            pieces.push_back({false, std::string(text)});
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {  // quoted text; a doubled quote stands for one quote
            std::string text;
            std::size_t j = i + 1;
            if (j < pattern.size() && pattern[j] == '\'') {
                literal("'");
                i = j + 1;
                continue;
            }
            for (; j < pattern.size(); ++j) {
                if (pattern[j] != '\'') {
                    text += pattern[j];
                } else if (j + 1 < pattern.size() && pattern[j + 1] == '\'') {
                    text += '\'';
                    ++j;
                } else {
                    break;
                }
            }
            literal(text);
            i = j + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        const int n = static_cast<int>(run);
        std::string text;
        bool field = true;
        switch (c) {
            case 'd':
                if (n >= 4) text = kDayNames[static_cast<std::size_t>(DayOfWeek(t.year, t.month, t.day))];
                else if (n == 3) text = kDayNames[static_cast<std::size_t>(DayOfWeek(t.year, t.month, t.day))].substr(0, 3);
                else text = Number(t.day, n);
                break;
            case 'M':
                if (n >= 4) text = MonthName(t.month);
                else if (n == 3) text = MonthName(t.month).substr(0, 3);
                else text = Number(t.month, n);
                break;
            case 'y': text = n >= 4 ? Number(t.year, 4) : Number(t.year % 100, 2); break;
            case 'h': {
                int h = t.hour;
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                text = Number(h, n >= 2 ? 2 : 1);
                break;
            }
            case 'H': text = Number(t.hour, n >= 2 ? 2 : 1); break;
            case 'm': text = Number(t.minute, n >= 2 ? 2 : 1); break;
            case 's': text = Number(t.second, n >= 2 ? 2 : 1); break;
            case 'z': text = n >= 3 ? "000" : "0"; break;
            case 'A':
            case 'a': {
                const bool pm = t.hour >= 12;
                text = c == 'A' ? (pm ? "PM" : "AM") : (pm ? "pm" : "am");
                // "AP" and "ap" are one marker
                if (i + 1 < pattern.size() && (pattern[i + 1] == 'P' || pattern[i + 1] == 'p')) run = 2;
                else run = 1;
                break;
            }
            case 't': text.clear(); break;
            default:
                field = false;
                text.assign(pattern.substr(i, run));
                break;
        }
        if (field)
            pieces.push_back({true, std::move(text)});
        else
            literal(text);
        i += run;
    }
    return pieces;
}

}  // namespace

std::string FormatShortDate(const SaveTime& time, std::string_view shortDatePattern) {
    std::string out;
    bool pendingSeparator = false;
    for (const Piece& piece : Render(time, shortDatePattern)) {
        if (!piece.field) {
            pendingSeparator = !out.empty();
            continue;
        }
        if (pendingSeparator) out += '-';
        pendingSeparator = false;
        out += piece.text;
    }
    return out;
}

std::string FormatLongTime(const SaveTime& time, std::string_view longTimePattern) {
    std::string out;
    for (const Piece& piece : Render(time, longTimePattern)) out += piece.text;
    while (!out.empty() && out.back() == ' ') out.pop_back();  // a left-out zone leaves its blank
    return out;
}

std::string FormatDateLine(const SaveTime& time, std::string_view shortDatePattern,
                           std::string_view longTimePattern) {
    std::string line = FormatShortDate(time, shortDatePattern);
    if (time.hour != 0 || time.minute != 0 || time.second != 0) line += " " + FormatLongTime(time, longTimePattern);
    return line;
}

}  // namespace zorozod
