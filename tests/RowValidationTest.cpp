#include "model/RowValidation.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace zorozod {
namespace {

using test::Row;
using test::Table;
using test::ValidRow;

const std::string kEmptyRowErrors =
    "3 Char Code not 3 Chars. Not Pilot or Cabin. 2 Char Code not 2 Chars. Description Missing. "
    "On Time < 00:01 or > 24:00. Off Time < 00:01 or > 24:00. Is Duty Not Ind. Is CARs Duty Not Ind. "
    "Inside Window Not Ind. Display in ZoroZod Not Ind. ";

std::string ErrorsOf(AbsenceTable table, int r) {
    ValidateAllRows(table);
    return table.cell(r, kErrors);
}

std::string ErrorsOfAlone(const AbsenceRow& row) { return ErrorsOf(Table({row}), 1); }

// The rule as written: every other row is compared with row r.
AbsenceTable PairwiseValidated(AbsenceTable table) {
    for (int r = 1; r <= table.absenceCount(); ++r) {
        int same3 = 0, same2 = 0;
        for (int i = 1; i <= table.absenceCount(); ++i) {
            if (i == r) continue;
            const bool sameCrew = table.cell(i, kCrewType) == table.cell(r, kCrewType);
            same3 += sameCrew && table.cell(i, kThreeCharCode) == table.cell(r, kThreeCharCode);
            same2 += sameCrew && table.cell(i, kTwoCharCode) == table.cell(r, kTwoCharCode);
        }
        table.setCell(r, kErrors, CheckAbsenceRow(table.row(r), same3, same2));
    }
    return table;
}

TEST(RowValidation, ValidRowHasEmptyErrors) {
    EXPECT_EQ(ErrorsOfAlone(ValidRow("ANL", "AL")), "");
    EXPECT_EQ(ErrorsOfAlone(ValidRow("ANL", "AL", "Cabin")), "");
}

TEST(RowValidation, EmptyRowGetsTenMessagesInOrder) {
    EXPECT_EQ(ErrorsOfAlone(AbsenceRow{}), kEmptyRowErrors);
}

TEST(RowValidation, TwoEmptyRowsAreDuplicatesOfEachOther) {
    const std::string expected =
        "3 Char Code not 3 Chars. Duplicate 3 Char Code. Not Pilot or Cabin. 2 Char Code not 2 Chars. "
        "Duplicate 2 Char Code. Description Missing. On Time < 00:01 or > 24:00. Off Time < 00:01 or > 24:00. "
        "Is Duty Not Ind. Is CARs Duty Not Ind. Inside Window Not Ind. Display in ZoroZod Not Ind. ";
    AbsenceTable table = Table({AbsenceRow{}, AbsenceRow{}});
    ValidateAllRows(table);
    EXPECT_EQ(table.cell(1, kErrors), expected);
    EXPECT_EQ(table.cell(2, kErrors), expected);
}

TEST(RowValidation, EachOtherMatchingRowRepeatsTheDuplicateMessage) {
    AbsenceTable table = Table({ValidRow("SIC", "S1"), ValidRow("SIC", "S2"), ValidRow("SIC", "S3"),
                                ValidRow("SIC", "S1", "Cabin"), ValidRow("sic", "S4")});
    ValidateAllRows(table);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(table.cell(r, kErrors), "Duplicate 3 Char Code. Duplicate 3 Char Code. ") << "row " << r;
    // another crew type, or other capitals, is never a duplicate
    EXPECT_EQ(table.cell(4, kErrors), "");
    EXPECT_EQ(table.cell(5, kErrors), "");
}

TEST(RowValidation, TwoCharDuplicatesFollowTheirLengthTest) {
    AbsenceTable table = Table({ValidRow("AAA", "X"), ValidRow("BBB", "X")});
    ValidateAllRows(table);
    EXPECT_EQ(table.cell(1, kErrors), "2 Char Code not 2 Chars. Duplicate 2 Char Code. ");
}

TEST(RowValidation, RowsWithTheSameInvalidCrewTypeAreCompared) {
    AbsenceRow a = ValidRow("AAA", "AA", "pilot"), b = ValidRow("AAA", "AB", "pilot");
    EXPECT_EQ(ErrorsOf(Table({a, b}), 1), "Duplicate 3 Char Code. Not Pilot or Cabin. ");
    AbsenceRow c = ValidRow("AAA", "AC", "Pilot ");
    EXPECT_EQ(ErrorsOf(Table({a, c}), 2), "Not Pilot or Cabin. ");
}

TEST(RowValidation, MixedFaultsKeepTheRuleOrder) {
    const AbsenceRow row = Row({"AB", "Pilot", "X", "", "00:00", "25:00", "-1:00", "00:00", "Y", "N", "y", ""});
    EXPECT_EQ(ErrorsOfAlone(row),
              "3 Char Code not 3 Chars. 2 Char Code not 2 Chars. Description Missing. On Time < 00:01 or > 24:00. "
              "Off Time < 00:01 or > 24:00. Credit Less Than 0. Inside Window Not Ind. Display in ZoroZod Not Ind. ");
}

struct CellCase {
    int column;
    std::string text;
    std::string errors;
};

class RowValidationCell : public testing::TestWithParam<CellCase> {};

TEST_P(RowValidationCell, OneCellOnAValidRow) {
    AbsenceRow row = ValidRow("ANL", "AL");
    row[static_cast<std::size_t>(GetParam().column)] = GetParam().text;
    EXPECT_EQ(ErrorsOfAlone(row), GetParam().errors) << "column " << GetParam().column << " \"" << GetParam().text << "\"";
}

const std::string kOn = "On Time < 00:01 or > 24:00. ";
const std::string kOff = "Off Time < 00:01 or > 24:00. ";

INSTANTIATE_TEST_SUITE_P(Bounds, RowValidationCell, testing::Values(
    CellCase{kOnTime, "00:00", kOn}, CellCase{kOnTime, "00:01", ""}, CellCase{kOnTime, "24:00", ""},
    CellCase{kOnTime, "24:01", kOn}, CellCase{kOnTime, "0:90", ""}, CellCase{kOnTime, "", kOn},
    CellCase{kOffTime, "00:00", kOff}, CellCase{kOffTime, "00:01", ""}, CellCase{kOffTime, "24:00", ""},
    CellCase{kOffTime, "24:01", kOff}, CellCase{kOffTime, "0:90", ""}, CellCase{kOffTime, "", kOff},
    CellCase{kCredit, "00:00", ""}, CellCase{kCredit, "", ""}, CellCase{kCredit, "-1:00", "Credit Less Than 0. "},
    CellCase{kCredit, "-0:30", ""}, CellCase{kHardTime, "-0:01", ""}, CellCase{kHardTime, "-1:59", "Hard Time < 0. "},
    CellCase{kHardTime, "0:-1", "Hard Time < 0. "},
    CellCase{kDescription, " ", ""}, CellCase{kDescription, "", "Description Missing. "},
    CellCase{kThreeCharCode, "AN ", ""}, CellCase{kThreeCharCode, "ANLX", "3 Char Code not 3 Chars. "},
    CellCase{kTwoCharCode, "A", "2 Char Code not 2 Chars. "}, CellCase{kCrewType, "PILOT", "Not Pilot or Cabin. "},
    CellCase{kDuty, "y", "Is Duty Not Ind. "}, CellCase{kCarsDuty, "", "Is CARs Duty Not Ind. "},
    CellCase{kInsideWindow, "Yes", "Inside Window Not Ind. "},
    CellCase{kDisplayInZoroZod, "n", "Display in ZoroZod Not Ind. "},
    // the old Errors text never counts
    CellCase{kErrors, "Description Missing. ", ""}));

TEST(RowValidation, OnlyTheErrorsColumnIsWritten) {
    AbsenceTable table = Table({Row({"A", "x"}), ValidRow("ANL", "AL")});
    const AbsenceTable before = table;
    ValidateAllRows(table);
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < kErrors; ++c) EXPECT_EQ(table.cell(r, c), before.cell(r, c));
    EXPECT_EQ(table.row(0), before.row(0));
    EXPECT_TRUE(AnyRowHasErrors(table));
    EXPECT_FALSE(AnyRowHasErrors(Table({ValidRow("ANL", "AL")})));
}

TEST(RowValidation, CountedPassEqualsThePairwiseRuleOnRandomTables) {
    std::mt19937 rng(20071209);
    const std::vector<std::string> codes3 = {"", "ANL", "SIC", "sic", "AN", "ANL "};
    const std::vector<std::string> codes2 = {"", "AL", "SK", "sk", "A", "1"};
    const std::vector<std::string> crews = {"Pilot", "Cabin", "", "pilot", "Pilot "};
    auto pick = [&rng](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    };
    for (int round = 0; round < 200; ++round) {
        AbsenceTable table;
        const int n = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < n; ++i) {
            AbsenceRow row = ValidRow(pick(codes3), pick(codes2), pick(crews));
            row[kOnTime] = test::RandomCell(rng, 4);
            row[kErrors] = test::RandomCell(rng, 6);
            table.row(table.appendRow()) = row;
        }
        AbsenceTable counted = table;
        ValidateAllRows(counted);
        ASSERT_EQ(counted, PairwiseValidated(table)) << "round " << round;
    }
}

}  // namespace
}  // namespace zorozod
