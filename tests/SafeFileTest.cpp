#include "file/SafeFile.h"

#include "TestSupport.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace zorozod {
namespace {

namespace fs = std::filesystem;

std::string MessageOf(const std::string& path, const std::string& bytes) {
    return test::FailureMessage([&] { ReplaceFileSafely(path, bytes); });
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(ReplaceFileSafely, CreatesANewFileWithTheUsualPermissions) {
    test::TempDir dir;
    const std::string path = dir.file("new.box");
    ReplaceFileSafely(path, "hello\r\n");
    EXPECT_EQ(test::ReadFile(path), "hello\r\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), 0666 & ~mask);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"new.box"});
}

#endif

TEST(ReplaceFileSafely, ReplacesTheContentWholeAndLeavesNothingElse) {
    test::TempDir dir;
    const std::string path = dir.file("old.box");
    test::WriteFile(path, "a much longer old content than the new one");
    ReplaceFileSafely(path, "new");
    EXPECT_EQ(test::ReadFile(path), "new");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.box"});
}

TEST(ReplaceFileSafely, FileNamesOfAnyScriptReachTheSystem) {
    test::TempDir dir;
    const std::string name = "Pilotes \xc3\xa9t\xc3\xa9 \xe5\x8f\xb0.box";  // UTF-8
    const fs::path native = dir.path() / fs::path(reinterpret_cast<const char8_t*>(name.c_str()));
    const std::u8string utf8 = native.u8string();
    const std::string path(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    ReplaceFileSafely(path, "first");
    ReplaceFileSafely(path, "second");
    EXPECT_TRUE(fs::exists(native));
    std::ifstream in(native, std::ios::binary);
    std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, "second");
    EXPECT_EQ(dir.entries().size(), 1u);
}

#ifndef _WIN32
TEST(ReplaceFileSafely, ReplacesContentAndKeepsTheOldPermissions) {
    test::TempDir dir;
    const std::string path = dir.file("old.box");
    test::WriteFile(path, "a much longer old content than the new one");
    ::chmod(path.c_str(), 0640);
    ReplaceFileSafely(path, "new");
    EXPECT_EQ(test::ReadFile(path), "new");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.box"});
}

TEST(ReplaceFileSafely, WritesThroughALinkToTheFileItNames) {
    test::TempDir dir;
    test::WriteFile(dir.file("real.box"), "old");
    fs::create_symlink("real.box", dir.path() / "link.box");
    ReplaceFileSafely(dir.file("link.box"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.box"));
    EXPECT_EQ(test::ReadFile(dir.file("real.box")), "new");
}

#endif

TEST(ReplaceFileSafely, FilesThatCannotBeCreatedLeaveEverythingAsItWas) {
    test::TempDir dir;
    test::WriteFile(dir.file("plain"), "keep");
    fs::create_directory(dir.path() / "folder");
    for (const std::string& path : {dir.file("gone/x.box"), dir.file("plain/x.box"), dir.file("folder")}) {
        EXPECT_EQ(MessageOf(path, "data"), "Cannot create file " + path);
    }
    EXPECT_EQ(test::ReadFile(dir.file("plain")), "keep");
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"folder", "plain"}));
}

#ifndef _WIN32
TEST(ReplaceFileSafely, AWriteThatFailsPartWayKeepsTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("big.box");
    const std::string old(3000, 'o');
    test::WriteFile(path, old);
    // In a child process: files may grow to 4 KiB only, so writing 1 MiB fails part-way.
    auto writeTooMuch = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = MessageOf(path, std::string(1 << 20, 'n'));
        const bool oldKept = test::ReadFile(path) == old;
        const bool noTemp = dir.entries() == std::vector<std::string>{"big.box"};
        std::exit(message == "Stream write error" && oldKept && noTemp ? 0 : 1);
    };
    EXPECT_EXIT(writeTooMuch(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::ReadFile(path), old);
}

#endif

}  // namespace
}  // namespace zorozod
