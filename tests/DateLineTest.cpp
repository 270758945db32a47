#include "file/DateLine.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

struct DateCase {
    std::string datePattern, timePattern;
    SaveTime time;
    std::string dateLine;
};

class DateLineTest : public testing::TestWithParam<DateCase> {};

TEST_P(DateLineTest, RendersThePatterns) {
    const DateCase& c = GetParam();
    EXPECT_EQ(FormatDateLine(c.time, c.datePattern, c.timePattern), c.dateLine)
        << c.datePattern << " / " << c.timePattern;
}

const SaveTime kAfternoon{2007, 12, 9, 14, 5, 33};
const SaveTime kMidnight{2007, 12, 9, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(Patterns, DateLineTest, testing::Values(
    DateCase{"dd/MM/yyyy", "HH:mm:ss", kAfternoon, "09-12-2007 14:05:33"},
    DateCase{"dd/MM/yyyy", "HH:mm:ss", kMidnight, "09-12-2007"},
    DateCase{"dd/MM/yyyy", "HH:mm:ss", {2007, 12, 9, 0, 0, 1}, "09-12-2007 00:00:01"},
    DateCase{"dd/MM/yyyy", "HH:mm:ss", {2007, 12, 9, 0, 1, 0}, "09-12-2007 00:01:00"},
    DateCase{"M/d/yy", "h:mm:ss AP", kAfternoon, "12-9-07 2:05:33 PM"},
    DateCase{"M/d/yy", "h:mm:ss ap", {2007, 1, 2, 0, 30, 0}, "1-2-07 12:30:00 am"},
    DateCase{"yyyy.MM.dd.", "HH:mm:ss t", kAfternoon, "2007-12-09 14:05:33"},
    DateCase{"d. MMMM yyyy", "HH'h'mm", kAfternoon, "9-December-2007 14h05"},
    DateCase{"ddd dd MMM yy", "H:m:s", {2008, 2, 29, 7, 8, 9}, "Fri-29-Feb-08 7:8:9"},
    DateCase{"dd-MM-yyyy", "hh:mm:ss 'o''clock'", {2007, 12, 9, 9, 0, 0}, "09-12-2007 09:00:00 o'clock"}));

}  // namespace
}  // namespace zorozod
