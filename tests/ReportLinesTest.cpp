#include "print/ReportLines.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

using test::Row;
using test::Table;

TEST(ReportLines, BlankRowIsFortyFiveSpaces) {
    EXPECT_EQ(BuildReportLines(Table({AbsenceRow{}})), std::vector<std::string>{std::string(45, ' ') + "\n"});
}

TEST(ReportLines, FieldsArePaddedThenTheDescription) {
    const auto lines = BuildReportLines(
        Table({Row({"ANL", "Pilot", "AL", "Annual Leave", "08:00", "17:00", "07:30", "00:00", "N", "N", "Y", "Y",
                    "Errors are never printed. "})}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "ANL Pilot AL 08:00 17:00 07:30 00:00 N N Y Y Annual Leave\n");
    EXPECT_EQ(lines[0].substr(4, 6), "Pilot ");  // positions 5 to 10
    EXPECT_EQ(lines[0].find("Errors"), std::string::npos);
}

TEST(ReportLines, LongTextsAreNeverCutAndPushLaterFields) {
    const auto lines = BuildReportLines(Table({Row({"ABCD", "Cabin", "X"}), Row({"ABCDE", "Captain", "XYZW", "",
                                                                             "123456789", "", "", "", "YES"})}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ABCDCabin X  " + std::string(32, ' ') + "\n");
    EXPECT_EQ(lines[1], "ABCDECaptainXYZW123456789" + std::string(18, ' ') + "YES" + std::string(6, ' ') + "\n");
}

TEST(ReportLines, KeepsRowOrderAndSkipsTheHeadings) {
    const auto lines = BuildReportLines(Table({Row({"ZZZ", "", "", "last first"}), Row({"AAA", "", "", "then"})}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 3), "ZZZ");
    EXPECT_EQ(lines[0].substr(45), "last first\n");
    EXPECT_EQ(lines[1].substr(45), "then\n");
    EXPECT_TRUE(BuildReportLines(AbsenceTable{}).empty());
}

}  // namespace
}  // namespace zorozod
