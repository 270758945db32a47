#include "model/RowValidation.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zorozod {
namespace {

struct TimeCase {
    std::string text;
    int minutes;
};

class TimeToMinutesTest : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeToMinutesTest, ReadsHoursAndMinutesAsAtolDoes) {
    EXPECT_EQ(TimeToMinutes(GetParam().text), GetParam().minutes) << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeToMinutesTest, testing::Values(
    TimeCase{"08:00", 480}, TimeCase{"8:00", 480}, TimeCase{"24:00", 1440}, TimeCase{"00:01", 1},
    TimeCase{"00:00", 0}, TimeCase{"", 0}, TimeCase{"90", 90}, TimeCase{":30", 30}, TimeCase{"1:", 60},
    TimeCase{"1:75", 135}, TimeCase{"12:3:", 723}, TimeCase{" 8:00", 480}, TimeCase{"8:00 ", 480},
    TimeCase{"-1:30", -30}, TimeCase{"-0:30", 30}, TimeCase{"ab:cd", 0}, TimeCase{"     ", 0},
    // atol's details: white space of every kind, one sign, digits only right after it
    TimeCase{"\t+2:\n+5", 125}, TimeCase{"+-5", 0}, TimeCase{"- 5", 0}, TimeCase{"1:-5", 55},
    TimeCase{"3x:7y", 187}, TimeCase{"::", 0},
    // beyond the signed 32-bit range: each part and the result saturate
    TimeCase{"99999999999", INT_MAX}, TimeCase{"-99999999999", INT_MIN},
    TimeCase{"99999999999:00", INT_MAX}, TimeCase{"-99999999999:00", INT_MIN},
    TimeCase{"35791394:07", 2147483647}, TimeCase{"35791395:00", INT_MAX},
    TimeCase{"-35791394:-8", INT_MIN}, TimeCase{"-35791394:-9", INT_MIN},
    TimeCase{"1:99999999999", INT_MAX}, TimeCase{"-1:-99999999999", INT_MIN},
    TimeCase{std::string(5000, '9') + ":" + std::string(5000, '9'), INT_MAX}));

}  // namespace
}  // namespace zorozod
