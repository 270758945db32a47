#include "sync/SyncFromReport.h"

#include "TestSupport.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "sync/TransactionReport.h"

#include <gtest/gtest.h>

#include <random>

namespace zorozod {
namespace {

using test::Row;
using test::Table;
using test::ValidRow;

// A record line of the report's layout, cut to `length` characters.
struct Record {
    std::string three = "ANL";
    char reserve = ' ';
    char crew = 'P';
    std::string credit = "07:30";
    char duty = ' ';
    std::string description = "Annual Leave";
    std::string code = "AL";
    std::string on = "08:00";
    std::string off = "17:00";
    std::size_t length = 141;

    std::string text() const {
        std::string line(141, ' ');
        auto put = [&line](std::size_t position, const std::string& value) { line.replace(position - 1, value.size(), value); };
        put(1, three);
        line[4] = reserve;
        line[6] = crew;
        put(27, credit);
        line[42] = duty;
        put(60, description);
        put(81, code);
        put(131, on);
        put(137, off);
        line.resize(length, ' ');
        return line;
    }
};

std::string Report(const std::vector<std::string>& records, bool recordEnd = true, const std::string& brk = "\r\n") {
    std::vector<std::string> lines = {"#HEADINGBEGIN#", "TRANSACTION CODE REPORT", "", "#HEADINGEND"};
    lines.insert(lines.end(), records.begin(), records.end());
    if (recordEnd) lines.insert(lines.end(), {"#END OF REPORT", "trailer: anything at all"});
    return test::JoinLines(lines, brk);
}

struct SyncRun {
    SyncOutcome outcome;
    AbsenceTable table;
    std::vector<std::string> log;
};

SyncRun Sync(const std::string& report, AbsenceTable table) {
    SyncLog log;
    const SyncOutcome outcome = SyncFromReport(SplitLines(report), "C:\\crew\\codes.LIS", table, log);
    return {outcome, std::move(table), log.lines()};
}

AbsenceRow Pilot(const std::string& three, const std::string& code) { return ValidRow(three, code, "Pilot"); }
AbsenceRow Cabin(const std::string& three, const std::string& code) { return ValidRow(three, code, "Cabin"); }

const std::string kProcessing = "Processing Transaction Codes from C:\\crew\\codes.LIS";

TEST(Sync, AddsUpdatesDeletesAndLogsInTheirOrder) {
    const AbsenceTable table = Table({Pilot("OLD", "O1"), Pilot("ANL", "AL"), Cabin("OLC", "O2"), Cabin("SCK", "SK")});
    const std::string report = Report({
        Record{.three = "SCK", .crew = 'C', .description = "Sick Leave", .code = "SK"}.text(),
        Record{.three = "RSV", .reserve = 'R', .code = "RV"}.text(),
        Record{.three = "SIM", .duty = 'D', .description = "Simulator", .code = "SM"}.text(),
        Record{.three = "ANX", .credit = "     ", .description = "Leave Outside Window", .code = "AL", .on = "00:00",
               .off = "     "}.text(),
    });
    SyncLog log;
    AbsenceTable result = table;
    ASSERT_EQ(SyncFromReport(SplitLines(report), "C:\\crew\\codes.LIS", result, log), SyncOutcome::Done);
    log.addClosingNotes();
    const std::vector<std::string> lines = log.lines();
    std::vector<std::string> expected = ClosingNotes();
    expected.insert(expected.end(), {kProcessing, "Deleted Code O1", "Deleted Code O2", "Added Code SM",
                                     "Synchronized Code SK", "Synchronized Code AL",
                                     "Reserve Code.   Ignoring Line " + Record{.three = "RSV", .reserve = 'R', .code = "RV"}.text()});
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[5], std::string(90, '-'));

    ASSERT_EQ(result.absenceCount(), 3);
    // the matched rows: columns 0, 3 to 6, 8 to 10 from the report; 1, 2, 7, 11 and 12 as they were
    EXPECT_EQ(result.row(1), (AbsenceRow{"ANX", "Pilot", "AL", "Leave Outside Window", "12:00", "12:01", "00:00",
                                         "00:00", "N", "N", "N", "Y", ""}));
    EXPECT_EQ(result.row(2), (AbsenceRow{"SCK", "Cabin", "SK", "Sick Leave", "08:00", "17:00", "07:30", "00:00", "N",
                                         "N", "Y", "Y", ""}));
    // the added row
    EXPECT_EQ(result.row(3), (AbsenceRow{"SIM", "Pilot", "SM", "Simulator", "08:00", "17:00", "07:30", "00:00", "Y", "Y",
                                         "Y", "Y", ""}));
}

TEST(Sync, TheSameCodeTwiceInTheReportAddsThenSynchronizes) {
    const std::string report = Report({Record{.three = "AAA", .code = "XY"}.text(),
                                       Record{.three = "BBB", .credit = "01:00", .code = "XY"}.text()});
    const SyncRun run = Sync(report, Table({Pilot("KEP", "KP")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code KP", "Added Code XY", "Synchronized Code XY"}));
    ASSERT_EQ(run.table.absenceCount(), 1);
    EXPECT_EQ(run.table.cell(1, kThreeCharCode), "BBB");  // the second line's values win
    EXPECT_EQ(run.table.cell(1, kCredit), "01:00");
    EXPECT_EQ(run.table.cell(1, kHardTime), "00:00");  // while the add's stay
    EXPECT_EQ(run.table.cell(1, kDisplayInZoroZod), "Y");
}

TEST(Sync, OnlyTheUpperOfTwoEqualRowsIsUpdatedAndNeitherRemoved) {
    const SyncRun run = Sync(Report({Record{.three = "NEW", .code = "AL"}.text()}), Table({Pilot("ONE", "AL"), Pilot("TWO", "AL")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    ASSERT_EQ(run.table.absenceCount(), 2);
    EXPECT_EQ(run.table.cell(1, kThreeCharCode), "NEW");
    EXPECT_EQ(run.table.cell(2, kThreeCharCode), "TWO");
}

TEST(Sync, ACrewMarkThatIsNeitherLetterAddsACabinRowThatIsThenDeleted) {
    const SyncRun run = Sync(Report({Record{.crew = 'X', .code = "XX"}.text(), Record{.code = "AL"}.text()}),
                         Table({Pilot("ANL", "AL"), Cabin("OXX", "XX")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code XX", "Synchronized Code XX",
                                                 "Synchronized Code AL"}));
    EXPECT_EQ(run.table.absenceCount(), 1);
    // and a row whose crew type is not exactly a crew type is never matched
    const SyncRun loose = Sync(Report({Record{.code = "AL"}.text()}), Table({ValidRow("ANL", "AL", "pilot")}));
    EXPECT_EQ(loose.log, (std::vector<std::string>{kProcessing, "Deleted Code AL", "Added Code AL"}));
    EXPECT_EQ(loose.table.cell(1, kCrewType), "Pilot");
}

TEST(Sync, LinesThatAreNotLoadedStillKeepTheirRows) {
    const std::string reserve = Record{.reserve = 'R', .code = "RS"}.text();
    const std::string noCode = Record{.reserve = 'R', .crew = 'C', .code = "  "}.text();
    const SyncRun run = Sync(Report({reserve, noCode}), Table({Pilot("RES", "RS"), Cabin("NOC", "  "), Cabin("GON", "GN")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code GN", "Reserve Code.   Ignoring Line " + reserve,
                                                 "No 2 Char Code. Ignoring Line " + noCode}));
    EXPECT_EQ(run.table.absenceCount(), 2);
}

TEST(Sync, AnEmptyRecordBlockRemovesAllButTheLastRowWhichIsEmptied) {
    const SyncRun run = Sync(Report({}), Table({Pilot("A", "A1"), Pilot("B", "B1"), Cabin("C", "C1")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code A1", "Deleted Code B1"}));
    ASSERT_EQ(run.table.absenceCount(), 1);
    EXPECT_EQ(run.table.row(1), AbsenceRow{});
    const SyncRun only = Sync(Report({Record{.code = "ZZ"}.text()}), Table({Cabin("ONE", "O1")}));
    // a row added in the same run counts: the old row is not the only one left
    EXPECT_EQ(only.log, (std::vector<std::string>{kProcessing, "Deleted Code O1", "Added Code ZZ"}));
    EXPECT_EQ(only.table.absenceCount(), 1);
    const SyncRun alone = Sync(Report({}), Table({Cabin("ONE", "O1")}));
    EXPECT_EQ(alone.log, std::vector<std::string>{kProcessing});
    EXPECT_EQ(alone.table.row(1), AbsenceRow{});
}

TEST(Sync, WithoutARecordEndTheRecordsRunToTheEnd) {
    const std::string report = Report({Record{.code = "AL"}.text(), Record{.crew = 'C', .code = "SK"}.text()}, false);
    const SyncRun run = Sync(report, Table({Pilot("ANL", "AL"), Cabin("SCK", "SK"), Pilot("DEL", "DL")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code DL", "Synchronized Code AL",
                                                 "Synchronized Code SK"}));
}

TEST(Sync, EveryKindOfLineBreakReadsTheSame) {
    const std::vector<std::string> records = {Record{.code = "AL"}.text(), Record{.code = "NW"}.text()};
    const AbsenceTable table = Table({Pilot("ANL", "AL"), Cabin("OLD", "OL")});
    const SyncRun crlf = Sync(Report(records, true, "\r\n"), table);
    for (const std::string brk : {"\n", "\r"}) {
        const SyncRun other = Sync(Report(records, true, brk), table);
        EXPECT_EQ(other.log, crlf.log);
        EXPECT_EQ(other.table, crlf.table);
    }
    EXPECT_EQ(crlf.log.size(), 4u);
}

struct CellCase {
    Record record;
    int column;
    std::string cell;
};

class SyncCells : public testing::TestWithParam<CellCase> {};

TEST_P(SyncCells, TheCellsFollowTheirRules) {
    const SyncRun run = Sync(Report({GetParam().record.text()}), Table({Pilot("KEP", "AL")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    const int row = run.table.absenceCount();  // the updated or the added row
    EXPECT_EQ(run.table.cell(row, GetParam().column), GetParam().cell) << GetParam().record.text();
}

INSTANTIATE_TEST_SUITE_P(Rules, SyncCells, testing::Values(
    CellCase{{.on = "00:00"}, kOnTime, "12:00"}, CellCase{{.on = "     "}, kOnTime, "12:00"},
    CellCase{{.off = "00:00"}, kOffTime, "12:01"}, CellCase{{.off = "     "}, kOffTime, "12:01"},
    CellCase{{.on = " 8:30"}, kOnTime, "08:30"}, CellCase{{.off = "2 :05"}, kOffTime, "20:05"},
    CellCase{{.on = "  :30"}, kOnTime, "00:30"}, CellCase{{.on = "-1:00"}, kOnTime, "12:00"},
    CellCase{{.credit = "     "}, kCredit, "00:00"}, CellCase{{.credit = "00:00"}, kCredit, "00:00"},
    CellCase{{.credit = " 7:30"}, kCredit, "07:30"}, CellCase{{.credit = "  -1 "}, kCredit, "00-1 "},
    CellCase{{.duty = 'D'}, kDuty, "Y"}, CellCase{{.duty = 'D'}, kCarsDuty, "Y"}, CellCase{{.duty = 'd'}, kDuty, "N"},
    CellCase{{.description = "Day Outside"}, kInsideWindow, "N"}, CellCase{{.description = "OutWin"}, kInsideWindow, "N"},
    CellCase{{.description = "day outside"}, kInsideWindow, "Y"}, CellCase{{.description = "OUTWIN"}, kInsideWindow, "Y"},
    CellCase{{.description = "  Leave \t  "}, kDescription, "  Leave"},
    CellCase{{.three = "A b"}, kThreeCharCode, "A b"},
    CellCase{{.code = "12"}, kDisplayInZoroZod, "N"}, CellCase{{.code = "1A"}, kDisplayInZoroZod, "Y"},
    CellCase{{.code = "A1"}, kDisplayInZoroZod, "Y"}, CellCase{{.code = "AB"}, kDisplayInZoroZod, "Y"},
    CellCase{{.crew = 'C', .code = "AL"}, kCrewType, "Cabin"},
    // a line of 81 characters has a code of one character, which is not "no code"
    CellCase{{.code = "X", .length = 81}, kTwoCharCode, "X"}, CellCase{{.code = "X", .length = 81}, kOnTime, "12:00"}));

struct ErrorCase {
    std::string name;
    std::string report;
    std::vector<std::string> log;
};

class SyncErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(SyncErrors, BreakOffAndLeaveTheTableAsItWas) {
    const AbsenceTable table = Table({Pilot("ANL", "AL"), Cabin("SCK", "SK")});
    const SyncRun run = Sync(GetParam().report, table);
    EXPECT_EQ(run.outcome, SyncOutcome::Error);
    EXPECT_EQ(run.table, table);
    EXPECT_EQ(run.log, GetParam().log);
}

const std::string kGood = Record{.code = "NW"}.text();

INSTANTIATE_TEST_SUITE_P(Reports, SyncErrors, testing::Values(
    ErrorCase{"Empty", "", {}},
    ErrorCase{"NoHeadingEnd", "#HEADINGBEGIN#\r\nheading\r\n\r\n", {kProcessing}},
    ErrorCase{"MarkerIsNoHeadingEnd", "#HEADINGBEGIN#\r\n", {kProcessing}},
    ErrorCase{"HeadingEndIsLast", "#HEADINGBEGIN#\r\n\r\n#\r\n", {kProcessing}},
    ErrorCase{"EmptyLineInRecords", Report({kGood, "", kGood}), {kProcessing, "Added Code NW"}},
    ErrorCase{"ShortBeforeReserveMark", Report({"ABCD"}), {kProcessing}},
    ErrorCase{"ShortBeforeCrewMark", Report({"ABC  "}), {kProcessing}},
    // a line that short has no 2-char code either: it is loaded for the empty code
    ErrorCase{"LoadedButShorterThan43", Report({kGood, Record{.length = 42}.text()}),
              {kProcessing, "Added Code NW", "Added Code "}},
    ErrorCase{"ShorterThanTheCredit", Report({Record{.crew = 'C', .length = 27}.text()}), {kProcessing, "Added Code "}},
    ErrorCase{"OneDigitOnTime", Report({Record{.on = "5", .length = 131}.text()}), {kProcessing, "Synchronized Code AL"}},
    ErrorCase{"NewCodeOfOneDigit", Report({Record{.code = "5", .length = 81}.text()}), {kProcessing, "Added Code 5"}},
    ErrorCase{"LaterLineBreaksOff", Report({Record{.code = "AL"}.text(), Record{.length = 60}.text()}),
              {kProcessing, "Added Code ", "Synchronized Code AL"}}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(Sync, AShortLoadedLineLogsItsCodeBeforeBreakingOff) {
    // a row with an empty 2-char code: the short line matches it
    const SyncRun run = Sync(Report({Record{.length = 42}.text()}), Table({Pilot("ANL", "")}));
    EXPECT_EQ(run.outcome, SyncOutcome::Error);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Synchronized Code "}));
}

TEST(Sync, AReportThatDoesNotBeginWithTheMarkerChangesNothing) {
    const AbsenceTable table = Table({Pilot("ANL", "AL")});
    for (const std::string first : {"#HEADINGBEGIN# ", "#headingbegin#", " #HEADINGBEGIN#", "CVToolBox"}) {
        const SyncRun run = Sync(first + "\r\n#\r\n" + kGood + "\r\n", table);
        EXPECT_EQ(run.outcome, SyncOutcome::NotValid) << first;
        EXPECT_EQ(run.table, table);
        EXPECT_TRUE(run.log.empty());
    }
}

TEST(Sync, TheHeadingEndsAtAnyLineStartingWithAHash) {
    const std::string report = "#HEADINGBEGIN#\r\n\r\nheading\r\n\r\n#\r\n" + kGood + "\r\n#\r\nnot a record\r\n\r\n";
    const SyncRun run = Sync(report, Table({Pilot("ANL", "AL")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code AL", "Added Code NW"}));
}

TEST(Sync, MissingCharactersOutsideTheMergeAreNoMatch) {
    // a reserve line of 6 characters has no crew mark; a row with no crew type has no first letter
    const SyncRun run = Sync(Report({"ABC R ", Record{.code = "AL"}.text()}), Table({Pilot("EMP", ""), ValidRow("NOC", "AL", "")}));
    ASSERT_EQ(run.outcome, SyncOutcome::Done);
    EXPECT_EQ(run.log, (std::vector<std::string>{kProcessing, "Deleted Code ", "Deleted Code AL", "Added Code AL",
                                                 "Reserve Code.   Ignoring Line ABC R "}));
    EXPECT_EQ(run.table.absenceCount(), 1);
}

TEST(Sync, ATableWithoutAbsencesRunsNormally) {
    const SyncRun none = Sync(Report({}), AbsenceTable{});
    EXPECT_EQ(none.outcome, SyncOutcome::Done);
    EXPECT_EQ(none.table.absenceCount(), 0);
    const SyncRun some = Sync(Report({kGood}), AbsenceTable{});
    EXPECT_EQ(some.table.absenceCount(), 1);
}

}  // namespace
}  // namespace zorozod

namespace zorozod {
namespace {

// Random tables against random reports: whatever the run does, the table it
// leaves is one that a toolbox file holds as it stands.
TEST(SyncProperties, TheResultWrittenAndReadBackIsTheTableInMemory) {
    std::mt19937 rng(5);
    auto pick = [&rng](std::initializer_list<const char*> from) {
        return std::string(from.begin()[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)]);
    };
    test::TempDir dir;
    int done = 0;
    for (int round = 0; round < 300; ++round) {
        AbsenceTable table;
        for (int i = std::uniform_int_distribution<int>(0, 8)(rng); i > 0; --i) {
            AbsenceRow& row = table.row(table.appendRow());
            for (std::string& cell : row) cell = test::RandomCell(rng, 6);
            row[kCrewType] = pick({"Pilot", "Cabin", "", "pilot"});
            row[kTwoCharCode] = pick({"AL", "SK", "12", "", "A"});
        }
        std::vector<std::string> records;
        for (int i = std::uniform_int_distribution<int>(0, 10)(rng); i > 0; --i) {
            Record r{.three = test::RandomCell(rng, 3), .reserve = pick({" ", "R"})[0], .crew = pick({"P", "C", "X"})[0],
                     .credit = pick({"07:30", "     ", " 1:0"}), .duty = pick({"D", " "})[0],
                     .description = test::RandomCell(rng, 21), .code = pick({"AL", "SK", "12", "  ", "7A"}),
                     .on = pick({"08:00", "00:00", " 8:30", "     "}), .off = pick({"17:00", "     "}),
                     .length = std::uniform_int_distribution<std::size_t>(40, 141)(rng)};
            for (char& c : r.three) c = c == '#' ? 'x' : c;
            r.three.resize(3, 'Z');
            std::string line = r.text();
            for (char& c : line) c = c == '\0' ? ' ' : c;
            records.push_back(line);
        }
        SyncRun run = Sync(Report(records), table);
        if (run.outcome != SyncOutcome::Done) {
            EXPECT_EQ(run.table, table) << "round " << round;
            continue;
        }
        ++done;
        ValidateAllRows(run.table);
        WriteToolBoxFile(dir.file("out.box"), run.table, "d");
        const ToolBoxReadResult back = ReadToolBoxFile(dir.file("out.box"));
        ASSERT_EQ(back.outcome, ToolBoxReadOutcome::Loaded);
        ASSERT_EQ(back.table, run.table) << "round " << round;
    }
    EXPECT_GT(done, 100);  // most runs complete, so the property is really exercised
}

}  // namespace
}  // namespace zorozod
