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
