// The zorozod tool, run as a program on small files.
#include "TestSupport.h"
#include "file/ToolBoxFile.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

using test::RunProgram;

const std::string kExe = ZOROZOD_EXE;
const std::string kSample = std::string(ZOROZOD_EXAMPLES) + "/sample.box";
const std::string kFixtures = std::string(ZOROZOD_FIXTURES) + "/cli/";

TEST(Cli, CheckPrintsEachFaultyRowOfTheSample) {
    const auto result = RunProgram({kExe, "check", kSample});
    EXPECT_EQ(result.exitCode, 1);
    // FILE:ROW: TEXT, the path as given and the Errors text without its final space
    const std::string expected = test::ReadFile(kFixtures + "sample.check.out");
    std::string got = result.out;
    const std::string prefix = kSample + ":";
    for (std::size_t at; (at = got.find(prefix)) != std::string::npos;) got.replace(at, prefix.size(), "examples/sample.box:");
    EXPECT_EQ(got, expected);
    EXPECT_EQ(result.err, "");
}

TEST(Cli, CheckOfAValidFilePrintsNothing) {
    test::TempDir dir;
    AbsenceTable table;
    table.row(table.appendRow()) = test::ValidRow("ANL", "AL");
    table.row(table.appendRow()) = test::ValidRow("ANL", "AL", "Cabin");
    table.setCell(1, kErrors, "stale text from an old save ");  // recomputed, not trusted
    WriteToolBoxFile(dir.file("valid.box"), table, "d");
    const auto result = RunProgram({kExe, "check", dir.file("valid.box")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, ReportPrintsTheLinesAsRead) {
    const auto result = RunProgram({kExe, "report", kSample});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, test::ReadFile(kFixtures + "sample.report.out"));
}

TEST(Cli, FilesThatAreNotToolboxesOrCannotBeReadExitWithTwo) {
    test::TempDir dir;
    test::WriteFile(dir.file("refused.box"), "CVToolBox\r\nv001\r\n");
    test::WriteFile(dir.file("huge.box"), "CVToolBox\r\nv001\r\nd\r\nNumItems\r\n99999999999\r\nEndOfFile\r\n");
    test::WriteFile(dir.file("empty.box"), "");
    const std::string refused = std::string(kNotAToolBoxMessage) + "\n";
    const std::string error = std::string(kErrorOpeningFileMessage) + "\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {dir.file("refused.box"), refused}, {dir.file("huge.box"), error},     {dir.file("empty.box"), error},
        {dir.file("missing.box"), error},   {dir.path().string(), error},
    };
    for (const std::string command : {"check", "report"}) {
        for (const auto& [path, message] : cases) {
            const auto result = RunProgram({kExe, command, path});
            EXPECT_EQ(result.exitCode, 2) << command << " " << path;
            EXPECT_EQ(result.err, message) << command << " " << path;
            EXPECT_EQ(result.out, "") << command << " " << path;
        }
    }
}

TEST(Cli, UsageOnRequestAndOnAWrongCall) {
    const auto help = RunProgram({kExe, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: zorozod"), std::string::npos);
    EXPECT_EQ(help.err, "");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {kExe}, {kExe, "frobnicate"}, {kExe, "check"}, {kExe, "check", "a", "b"}, {kExe, "--help", "x"}}) {
        const auto result = RunProgram(args);
        EXPECT_EQ(result.exitCode, 64) << args.size();
        EXPECT_EQ(result.err, help.out);
        EXPECT_EQ(result.out, "");
    }
}

TEST(Cli, TheSampleIsInTheWritersOwnForm) {
    const std::string bytes = test::ReadFile(kSample);
    const ToolBoxReadResult read = ParseToolBoxText(bytes);
    ASSERT_EQ(read.outcome, ToolBoxReadOutcome::Loaded);
    EXPECT_EQ(read.table.absenceCount(), 12);
    EXPECT_EQ(FormatToolBoxFile(read.table, "11-12-2026 09:30:00"), bytes);
}

}  // namespace
}  // namespace zorozod

namespace zorozod {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
    return text;
}

class CliSync : public testing::Test {
protected:
    test::TempDir dir;
    const std::string fixture = kFixtures + "../sync/merge/";
    std::string table = dir.file("table.box");
    void SetUp() override { test::WriteFile(table, test::ReadFile(fixture + "table.box")); }
};

TEST_F(CliSync, WritesTheMergedTableAndPrintsTheLogNotesFirst) {
    const std::string out = dir.file("out.box");
    const auto result = RunProgram({kExe, "sync", table, fixture + "report.LIS", "-o", out});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Replaced(test::ReadFile(fixture + "expected.log"), "@REPORT@", fixture + "report.LIS"));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(RunProgram({kExe, "report", out}).out, test::ReadFile(fixture + "expected.report"));
    // every row validated: the Errors cells are what a check finds
    const ToolBoxReadResult read = ReadToolBoxFile(out);
    ASSERT_EQ(read.outcome, ToolBoxReadOutcome::Loaded);
    for (int r = 1; r <= read.table.absenceCount(); ++r) EXPECT_EQ(read.table.cell(r, kErrors), "");
    EXPECT_EQ(test::ReadFile(table), test::ReadFile(fixture + "table.box"));  // -o leaves FILE alone
    // without -o the result replaces FILE, and no backup is made
    EXPECT_EQ(RunProgram({kExe, "sync", table, fixture + "report.LIS"}).exitCode, 0);
    EXPECT_EQ(ReadToolBoxFile(table).table, read.table);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"out.box", "table.box"}));
}

TEST_F(CliSync, AReportThatIsNotValidOrBreaksOffWritesNothing) {
    test::WriteFile(dir.file("not.LIS"), "#HEADINGBEGIN# \r\n#\r\n");
    const auto notValid = RunProgram({kExe, "sync", table, dir.file("not.LIS")});
    EXPECT_EQ(notValid.exitCode, 3);
    EXPECT_EQ(notValid.err, "File Not Valid. Transaction Reports must begin with #HEADINGBEGIN#\n");
    EXPECT_EQ(notValid.out, "");

    std::string broken = test::ReadFile(fixture + "report.LIS");
    broken.insert(broken.find("RSV"), "\r\n");  // an empty line in the record block
    test::WriteFile(dir.file("broken.LIS"), broken);
    const auto error = RunProgram({kExe, "sync", table, dir.file("broken.LIS"), "-o", dir.file("out.box")});
    EXPECT_EQ(error.exitCode, 4);
    EXPECT_EQ(error.err, "Error in LIS File.\n");
    EXPECT_EQ(error.out, "Processing Transaction Codes from " + dir.file("broken.LIS") + "\nSynchronized Code SK\n");

    const auto missing = RunProgram({kExe, "sync", table, dir.file("missing.LIS")});
    EXPECT_EQ(missing.exitCode, 4);
    EXPECT_EQ(missing.err, "Error in LIS File.\n");
    EXPECT_EQ(missing.out, "");

    test::WriteFile(dir.file("refused.box"), "not a toolbox\r\n");
    const auto refused = RunProgram({kExe, "sync", dir.file("refused.box"), fixture + "report.LIS"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, std::string(kNotAToolBoxMessage) + "\n");

    const auto unwritable = RunProgram({kExe, "sync", table, fixture + "report.LIS", "-o", dir.file("gone/out.box")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "Cannot create file " + dir.file("gone/out.box") + "\n");

    EXPECT_EQ(test::ReadFile(table), test::ReadFile(fixture + "table.box"));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"broken.LIS", "not.LIS", "refused.box", "table.box"}));
    EXPECT_EQ(RunProgram({kExe, "sync", table}).exitCode, 64);
    EXPECT_EQ(RunProgram({kExe, "sync", table, "r", "-x", "o"}).exitCode, 64);
}

}  // namespace
}  // namespace zorozod

namespace zorozod {
namespace {

// Faults while the tool writes its result: the old file stays as it was, the
// tool says what failed and its exit status tells the truth.
#ifndef _WIN32
TEST(CliFaults, AWriteThatFailsPartWayKeepsTheOldFile) {
    test::TempDir dir;
    const std::string fixture = kFixtures + "../sync/merge/";
    const std::string table = dir.file("table.box");
    test::WriteFile(table, test::ReadFile(fixture + "table.box"));
    const std::string before = test::ReadFile(table);
    const auto result = RunProgram({kExe, "sync", table, fixture + "report.LIS"}, 200);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Stream write error\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(test::ReadFile(table), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"table.box"});  // no temporary file left
}

#endif

TEST(CliFaults, AFolderThatVanishedOrIsAFileWritesNothing) {
    test::TempDir dir;
    const std::string fixture = kFixtures + "../sync/merge/";
    std::filesystem::create_directory(dir.path() / "gone");
    test::WriteFile(dir.file("gone/table.box"), test::ReadFile(fixture + "table.box"));
    const std::string table = dir.file("gone/table.box");
    const std::string copy = test::ReadFile(table);
    test::WriteFile(dir.file("plain"), "a file");
    for (const std::string& out : {dir.file("plain/out.box"), dir.file("vanished/out.box")}) {
        const auto result = RunProgram({kExe, "sync", table, fixture + "report.LIS", "-o", out});
        EXPECT_EQ(result.exitCode, 1) << out;
        EXPECT_EQ(result.err, "Cannot create file " + out + "\n");
    }
    std::filesystem::remove_all(dir.path() / "gone");
    const auto result = RunProgram({kExe, "sync", table, fixture + "report.LIS"});
    EXPECT_EQ(result.exitCode, 2);  // the file itself has gone
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace zorozod

namespace zorozod {
namespace {

TEST(CliExamples, TheSampleReportAddsUpdatesAndDeletesCodesOfTheSample) {
    test::TempDir dir;
    const std::string out = dir.file("synced.box");
    const auto result =
        RunProgram({kExe, "sync", kSample, std::string(ZOROZOD_EXAMPLES) + "/sample.LIS", "-o", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const std::string line : {"Deleted Code SB\n", "Added Code LC\n", "Added Code FA\n", "Synchronized Code TR\n",
                                   "Reserve Code.   Ignoring Line RES", "No 2 Char Code. Ignoring Line MED"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    // the report mends the sample's two faulty rows
    const auto check = RunProgram({kExe, "check", out});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(ReadToolBoxFile(out).table.absenceCount(), 13);
}

}  // namespace
}  // namespace zorozod

namespace zorozod {
namespace {

TEST(CliNames, AFileNameInAnyScriptReachesTheSystem) {
    test::TempDir dir;
    const std::string name = "Pilotes \xc3\xa9t\xc3\xa9 \xe5\x8f\xb0.box";  // UTF-8
    const std::filesystem::path native = dir.path() / std::filesystem::path(reinterpret_cast<const char8_t*>(name.c_str()));
    const std::u8string utf8 = native.u8string();
    const std::string path(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    AbsenceTable table;
    table.row(table.appendRow()) = test::ValidRow("AN", "AL");
    WriteToolBoxFile(path, table, "d");
    const auto result = RunProgram({kExe, "check", path});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out, path + ":1: 3 Char Code not 3 Chars.\n");
    const auto synced = RunProgram({kExe, "sync", path, kFixtures + "../sync/merge/report.LIS"});
    EXPECT_EQ(synced.exitCode, 0) << synced.err;
    EXPECT_TRUE(std::filesystem::exists(native));
    EXPECT_EQ(dir.entries().size(), 1u);
}

}  // namespace
}  // namespace zorozod
