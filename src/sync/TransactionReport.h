// The transaction code report (*.LIS): a fixed-column text report. Its first
// line is the marker; a heading block follows up to the first line starting
// with "#", then one record line per transaction code up to the next such
// line (or the end of the file).
#pragma once

#include <optional>
#include <string_view>

namespace zorozod {

inline constexpr std::string_view kReportMarker = "#HEADINGBEGIN#";

// Where the fields of a record line lie: 1-based position and length.
struct ReportField {
    std::size_t position;
    std::size_t length;
};
namespace report {
inline constexpr ReportField kThreeCharCode{1, 3};
inline constexpr std::size_t kReserveMark = 5;
inline constexpr std::size_t kCrewMark = 7;
inline constexpr ReportField kCredit{27, 5};
inline constexpr std::size_t kDutyMark = 43;
inline constexpr ReportField kDescription{60, 21};
inline constexpr ReportField kTwoCharCode{81, 2};
inline constexpr ReportField kOnTime{131, 5};
inline constexpr ReportField kOffTime{137, 5};
}  // namespace report

// The characters p to p + n - 1 as far as the line has them; never an error.
std::string_view FieldOf(std::string_view line, ReportField field);

// The character at 1-based position p; nothing when the text is shorter (an
// error wherever the run depends on it).
std::optional<char> CharAt(std::string_view text, std::size_t position);

// The description field without the trailing characters of byte value 32 or less.
std::string_view DescriptionOf(std::string_view line);

}  // namespace zorozod
