#include "file/TextLines.h"

#include "TestSupport.h"
#include "model/Error.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, CutsAtEveryKindOfBreak) {
    std::vector<std::string> got;
    for (std::string_view line : SplitLines(GetParam().text)) got.emplace_back(line);
    EXPECT_EQ(got, GetParam().lines);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Texts, SplitLinesTest, testing::Values(
    SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb", {"a", "b"}}, SplitCase{"a\rb\nc\r\n", {"a", "b", "c"}},
    SplitCase{"a\n", {"a"}}, SplitCase{"a\n\n", {"a", ""}}, SplitCase{"\r\n", {""}}, SplitCase{"\n\r", {"", ""}},
    SplitCase{"a\r\r\nb", {"a", "", "b"}}, SplitCase{"a\n\r\nb\r", {"a", "", "b"}},
    // a NUL ends the text, break or not
    SplitCase{"a\nb\0c\nd"s, {"a", "b"}}, SplitCase{"\0abc"s, {}}, SplitCase{"a\r\0\nb"s, {"a"}}));

TEST(SplitLines, LongLinesAndManyBreaksAreKeptWhole) {
    const std::string longLine(1 << 20, 'x');
    const std::string text = longLine + "\r" + longLine + "\r" + std::string(100000, '\r');
    const auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 100002u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[100001], "");
}

TEST(ReadWholeFile, ReadsBytesAndFailsOnMissingFilesAndFolders) {
    test::TempDir dir;
    const std::string bytes("a\0\xff\r\n"s);
    test::WriteFile(dir.file("f"), bytes);
    EXPECT_EQ(ReadWholeFile(dir.file("f")), bytes);
    EXPECT_THROW(ReadWholeFile(dir.file("missing")), ZoroZodError);
    EXPECT_THROW(ReadWholeFile(dir.path().string()), ZoroZodError);
}

}  // namespace
}  // namespace zorozod
