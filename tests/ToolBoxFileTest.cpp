#include "file/ToolBoxFile.h"

#include "TestSupport.h"
#include "model/RowValidation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zorozod {
namespace {

using namespace std::string_literals;
using test::JoinLines;
using test::Row;
using test::Table;
using test::ValidRow;

using Outcome = ToolBoxReadOutcome;

// The lines of a toolbox file with `count` on line 5 and the given cell lines.
std::vector<std::string> FileLines(const std::string& count, const std::vector<std::string>& cells) {
    std::vector<std::string> lines = {"CVToolBox", "v001", "09-12-2007 14:05:33", "NumItems", count};
    lines.insert(lines.end(), cells.begin(), cells.end());
    lines.push_back("EndOfFile");
    return lines;
}

std::vector<std::string> Cells(int rows) {
    std::vector<std::string> cells;
    for (int i = 0; i < rows * kColumnCount; ++i) cells.push_back("c" + std::to_string(i));
    return cells;
}

struct ReadCase {
    std::string name;
    std::string text;
    Outcome outcome;
    int absences;  // when loaded
};

class ToolBoxRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ToolBoxRead, GivesOneOfThreeOutcomes) {
    const ToolBoxReadResult result = ParseToolBoxText(GetParam().text);
    EXPECT_EQ(result.outcome, GetParam().outcome);
    if (GetParam().outcome == Outcome::Loaded) {
        EXPECT_EQ(result.table.absenceCount(), GetParam().absences);
    }
}

std::vector<ReadCase> ReadCases() {
    std::vector<std::string> fourLines = {"CVToolBox", "v001", "date", "EndOfFile"};
    std::vector<std::string> extra = FileLines("1", Cells(1));
    extra.insert(extra.end() - 1, {"stray", "", "lines"});
    std::vector<std::string> anyHeader = FileLines("1", Cells(1));
    anyHeader[1] = "v999 \xff";
    anyHeader[2] = "";
    anyHeader[3] = "Whatever";
    return {
        {"OneRow", JoinLines(FileLines("1", Cells(1))), Outcome::Loaded, 1},
        {"LfOnly", JoinLines(FileLines("2", Cells(2)), "\n"), Outcome::Loaded, 2},
        {"CrOnlyNoFinalBreak", "CVToolBox\rv\rd\rN\r0\rEndOfFile", Outcome::Loaded, 0},
        {"SignatureCase", JoinLines({"cvtoolbox", "v001", "d", "NumItems", "0", "EndOfFile"}), Outcome::Refused, 0},
        {"SignatureTrailingBlank", JoinLines({"CVToolBox ", "v001", "d", "NumItems", "0", "EndOfFile"}), Outcome::Refused, 0},
        {"EndMarkerThenEmptyLine", JoinLines(FileLines("0", {})) + "\r\n", Outcome::Refused, 0},
        {"EndMarkerCase", JoinLines({"CVToolBox", "v001", "d", "NumItems", "0", "endoffile"}), Outcome::Refused, 0},
        {"JustTheSignature", "CVToolBox", Outcome::Refused, 0},
        {"Junk", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, Outcome::Refused, 0},
        {"Empty", "", Outcome::Error, 0},
        {"OnlyABreak", "\r\n", Outcome::Refused, 0},
        {"NulFirst", "\0CVToolBox\r\n"s, Outcome::Error, 0},
        {"NoLineFive", JoinLines(fourLines), Outcome::Error, 0},
        {"FiveLinesEndMarkerIsCount", JoinLines({"CVToolBox", "v001", "d", "NumItems", "EndOfFile"}), Outcome::Loaded, 0},
        {"CountTwoTwentyCells", JoinLines(FileLines("2", std::vector<std::string>(20, "x"))), Outcome::Error, 0},
        {"CountZero", JoinLines(FileLines("0", {})), Outcome::Loaded, 0},
        {"CountNegative", JoinLines(FileLines("-5", Cells(1))), Outcome::Loaded, 0},
        {"CountSignedWithJunk", JoinLines(FileLines(" +3x", Cells(3))), Outcome::Loaded, 3},
        {"CountSignedWithJunkShort", JoinLines(FileLines(" +3x", Cells(2))), Outcome::Error, 0},
        {"CountHuge", JoinLines(FileLines("99999999999", Cells(1))), Outcome::Error, 0},
        {"CountNoDigits", JoinLines(FileLines("many", Cells(1))), Outcome::Loaded, 0},
        {"ExtraLinesBeforeEnd", JoinLines(extra), Outcome::Loaded, 1},
        {"AnyHeaderLines", JoinLines(anyHeader), Outcome::Loaded, 1},
        // the last cell may be the end marker itself: 12 cells, then "EndOfFile"
        {"EndMarkerAsLastCell", JoinLines(FileLines("1", std::vector<std::string>(12, "x"))), Outcome::Loaded, 1},
        {"NulAfterEndMarker", JoinLines(FileLines("0", {})) + "\0junk"s, Outcome::Loaded, 0},
        {"NulBeforeEndMarker", "CVToolBox\r\nv\r\nd\r\nN\r\n0\0\r\nEndOfFile\r\n"s, Outcome::Refused, 0},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, ToolBoxRead, testing::ValuesIn(ReadCases()),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ToolBoxRead, CellsComeInColumnOrderRowAfterRow) {
    const ToolBoxReadResult result = ParseToolBoxText(JoinLines(FileLines("2", Cells(2)), "\n"));
    ASSERT_EQ(result.outcome, Outcome::Loaded);
    EXPECT_EQ(result.table.row(0)[kThreeCharCode], "3 Char Code");
    EXPECT_EQ(result.table.cell(1, 0), "c0");
    EXPECT_EQ(result.table.cell(1, 12), "c12");
    EXPECT_EQ(result.table.cell(2, 0), "c13");
    EXPECT_EQ(result.table.cell(2, 12), "c25");
}

TEST(ToolBoxRead, FilesThatCannotBeReadTakeTheErrorPath) {
    test::TempDir dir;
    EXPECT_EQ(ReadToolBoxFile(dir.file("missing.box")).outcome, Outcome::Error);
    EXPECT_EQ(ReadToolBoxFile(dir.path().string()).outcome, Outcome::Error);
    test::WriteFile(dir.file("ok.box"), JoinLines(FileLines("1", Cells(1))));
    EXPECT_EQ(ReadToolBoxFile(dir.file("ok.box")).outcome, Outcome::Loaded);
}

TEST(ToolBoxRead, AnyBytesGiveAnOutcome) {
    std::mt19937 rng(3);
    const std::vector<std::string> pieces = {"CVToolBox", "EndOfFile", "\r\n", "\r", "\n", "\0"s, "99999999999",
                                             "-5", " +3x", "NumItems", "x", std::string(5000, 'y')};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int parts = std::uniform_int_distribution<int>(0, 30)(rng);
        for (int i = 0; i < parts; ++i) {
            if (rng() % 3 == 0)
                text += test::RandomCell(rng, 20) + static_cast<char>(rng() % 256);
            else
                text += pieces[rng() % pieces.size()];
        }
        const ToolBoxReadResult result = ParseToolBoxText(text);
        if (result.outcome == Outcome::Loaded) {
            // whatever loaded fits in the text: 13 lines per absence
            EXPECT_LE(static_cast<std::size_t>(result.table.absenceCount()) * kColumnCount, text.size());
        }
    }
}

TEST(ToolBoxWrite, WritesTheHeaderTheCellsAndTheEndMarkerWithCrLf) {
    const AbsenceTable table = Table({Row({"ANL", "Pilot", "AL", "Annual Leave", "08:00", "17:00", "07:30", "00:00",
                                           "N", "N", "Y", "Y", ""})});
    EXPECT_EQ(FormatToolBoxFile(table, "09-12-2007 14:05:33"),
              "CVToolBox\r\nv001\r\n09-12-2007 14:05:33\r\nNumItems\r\n1\r\n"
              "ANL\r\nPilot\r\nAL\r\nAnnual Leave\r\n08:00\r\n17:00\r\n07:30\r\n00:00\r\nN\r\nN\r\nY\r\nY\r\n\r\n"
              "EndOfFile\r\n");
    EXPECT_EQ(FormatToolBoxFile(AbsenceTable{}, "d"), "CVToolBox\r\nv001\r\nd\r\nNumItems\r\n0\r\nEndOfFile\r\n");
}

TEST(ToolBoxWrite, WriteThenReadKeepsEveryCellByteForByte) {
    std::mt19937 rng(1209);
    test::TempDir dir;
    for (int round = 0; round < 50; ++round) {
        AbsenceTable table;
        const int n = std::uniform_int_distribution<int>(0, 30)(rng);
        for (int i = 0; i < n; ++i) {
            AbsenceRow& row = table.row(table.appendRow());
            for (std::string& cell : row) cell = test::RandomCell(rng, 12);
        }
        if (round % 2 == 0) ValidateAllRows(table);  // Errors texts go along too
        const std::string path = dir.file("round.box");
        WriteToolBoxFile(path, table, "date");
        const ToolBoxReadResult back = ReadToolBoxFile(path);
        ASSERT_EQ(back.outcome, Outcome::Loaded) << "round " << round;
        ASSERT_EQ(back.table, table) << "round " << round;
        const std::string bytes = test::ReadFile(path);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 5 + 13 * n + 1);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"round.box"});
}

}  // namespace
}  // namespace zorozod
