#include "settings/FileSettingsStore.h"

#include "TestSupport.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace zorozod {
namespace {

using namespace std::string_literals;

class FileSettings : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("etc/zorozod/settings.reg");
    FileSettingsStore store{path};
};

TEST_F(FileSettings, OpeningCreatesTheKeyAndMissingValuesFailOrReadEmpty) {
    ASSERT_TRUE(store.openKey());
    EXPECT_EQ(test::ReadFile(path),
              "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrelle\\ZoroZod Edit]\n");
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("X"); }), "Failed to get data for 'X'");
    EXPECT_EQ(store.readText("Last Dir"), "");
}

TEST_F(FileSettings, ValuesKeepTheirTypesAndBytesInTheExportStyle) {
    ASSERT_TRUE(store.openKey());
    const std::string awkward = "C:\\Crew \"A\"\\Pilots\xe9.box";
    store.writeInteger("X", 30);
    store.writeInteger("Y", -1200);
    store.writeText("Last Dir", awkward);
    store.writeInteger("x", 100);  // names are compared without regard to case
    EXPECT_EQ(store.readInteger("X"), 100);
    EXPECT_EQ(store.readInteger("y"), -1200);
    EXPECT_EQ(store.readText("LAST DIR"), awkward);
    EXPECT_EQ(test::ReadFile(path),
              "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrelle\\ZoroZod Edit]\n"
              "\"x\"=dword:00000064\n\"Y\"=dword:fffffb50\n"
              "\"Last Dir\"=\"C:\\\\Crew \\\"A\\\"\\\\Pilots\xe9.box\"\n");
}

TEST_F(FileSettings, AValueOfTheWrongTypeIsAnInvalidDataType) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::WriteFile(path,
                    "[HKEY_LOCAL_MACHINE\\Software\\Ostrelle\\ZoroZod Edit]\r\n\"X\"=\"30\"\r\n\"Last Dir\"=dword:00000001\r\n"
                    "\"H\"=hex:01,02\r\njunk line\r\n\"W\"=dword:1e\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n\"Y\"=dword:00000005\r\n");
    ASSERT_TRUE(store.openKey());
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("X"); }), "Invalid data type for 'X'");
    EXPECT_EQ(test::FailureMessage([&] { store.readText("Last Dir"); }), "Invalid data type for 'Last Dir'");
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("H"); }), "Invalid data type for 'H'");
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("W"); }), "Invalid data type for 'W'");
    // values of other keys are not this key's
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("Y"); }), "Failed to get data for 'Y'");
    // a write keeps the other values as they were
    store.writeInteger("W", 600);
    EXPECT_EQ(store.readInteger("W"), 600);
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("H"); }), "Invalid data type for 'H'");
}

TEST(FileSettingsFailures, AStoreThatCannotBeCreatedFailsEveryAccess) {
    test::TempDir dir;
    test::WriteFile(dir.file("plain"), "not a folder");
    FileSettingsStore store(dir.file("plain/settings.reg"));
    EXPECT_FALSE(store.openKey());
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("X"); }), "Failed to get data for 'X'");
    EXPECT_EQ(test::FailureMessage([&] { store.readText("Last Dir"); }), "Failed to get data for 'Last Dir'");
    EXPECT_EQ(test::FailureMessage([&] { store.writeText("Last Dir", "a"); }), "Failed to set data for 'Last Dir'");
    EXPECT_EQ(test::FailureMessage([&] { store.writeInteger("Last Backup D", 1); }), "Failed to set data for 'Last Backup D'");
}

TEST_F(FileSettings, AClosedKeyFailsAndAForeignFileIsNeverOverwritten) {
    ASSERT_TRUE(store.openKey());
    store.closeKey();
    EXPECT_EQ(test::FailureMessage([&] { store.writeInteger("X", 1); }), "Failed to set data for 'X'");
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("X"); }), "Failed to get data for 'X'");
    test::WriteFile(path, "somebody's notes\n");
    EXPECT_FALSE(store.openKey());
    EXPECT_EQ(test::ReadFile(path), "somebody's notes\n");
}

TEST_F(FileSettings, TwoStoresOnOneFileKeepEachOthersValues) {
    FileSettingsStore other(path);
    ASSERT_TRUE(store.openKey());
    ASSERT_TRUE(other.openKey());
    store.writeInteger("X", 1);
    other.writeInteger("Y", 2);
    store.writeText("Last Dir", "mine");
    other.writeText("Last Dir", "theirs");  // the last writer of a value wins
    EXPECT_EQ(store.readInteger("Y"), 2);
    EXPECT_EQ(other.readInteger("X"), 1);
    EXPECT_EQ(store.readText("Last Dir"), "theirs");
}

TEST_F(FileSettings, WritersInTwoProcessesAtOnceLoseNothing) {
    ASSERT_TRUE(store.openKey());
    constexpr int kWrites = 150;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0) {
            FileSettingsStore mine(path);
            bool ok = mine.openKey();
            for (int i = 0; i < kWrites && ok; ++i) {
                try {
                    mine.writeInteger("P" + std::to_string(c) + "-" + std::to_string(i), i);
                } catch (...) {
                    ok = false;
                }
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(store.readInteger("P" + std::to_string(c) + "-" + std::to_string(i)), i);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"etc"});
}

struct StartupCase {
    std::string name;
    std::vector<StoredValue> stored;
    StartupSettings expected;
};

class StartupSequence : public testing::TestWithParam<StartupCase> {};

StoredValue Int(std::string name, std::int32_t v) { return {std::move(name), StoredValue::Type::Integer, v, {}}; }
StoredValue Text(std::string name, std::string v) { return {std::move(name), StoredValue::Type::Text, 0, std::move(v)}; }

TEST_P(StartupSequence, GroupsNotReadWholeTakeTheirDefaults) {
    test::TempDir dir;
    const std::string path = dir.file("settings.reg");
    if (!GetParam().stored.empty()) test::WriteFile(path, FormatSettingsText(GetParam().stored));
    FileSettingsStore store(path);
    const StartupSettings got = ReadStartupSettings(store);
    const StartupSettings& want = GetParam().expected;
    EXPECT_EQ(std::tie(got.x, got.y, got.w, got.h), std::tie(want.x, want.y, want.w, want.h));
    EXPECT_EQ(std::tie(got.backupDay, got.backupMonth, got.backupYear),
              std::tie(want.backupDay, want.backupMonth, want.backupYear));
    EXPECT_EQ(got.lastDir, want.lastDir);
}

const std::vector<StoredValue> kPlacement = {Int("X", 100), Int("Y", 250), Int("W", 800), Int("H", 500)};
const std::vector<StoredValue> kBackup = {Int("Last Backup D", 9), Int("Last Backup M", 12), Int("Last Backup Y", 2007)};

std::vector<StoredValue> Join(std::initializer_list<std::vector<StoredValue>> parts) {
    std::vector<StoredValue> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

INSTANTIATE_TEST_SUITE_P(Stores, StartupSequence, testing::Values(
    StartupCase{"Empty", {}, {}},
    StartupCase{"OnlyXAndY", Join({{Int("X", 5), Int("Y", 6)}, kBackup, {Text("Last Dir", "/a.box")}}), {}},
    StartupCase{"PlacementOnly", Join({kPlacement, {Text("Last Dir", "/a.box")}}), {100, 250, 800, 500, 0, 0, 0, ""}},
    StartupCase{"Full", Join({kPlacement, kBackup, {Text("Last Dir", "/a.box")}}), {100, 250, 800, 500, 9, 12, 2007, "/a.box"}},
    StartupCase{"NoLastDir", Join({kPlacement, kBackup}), {100, 250, 800, 500, 9, 12, 2007, ""}},
    StartupCase{"XAsText", Join({{Text("X", "100"), Int("Y", 250), Int("W", 800), Int("H", 500)}, kBackup}), {}},
    StartupCase{"LastDirAsInteger", Join({kPlacement, kBackup, {Int("Last Dir", 1)}}), {100, 250, 800, 500, 9, 12, 2007, ""}}),
    [](const testing::TestParamInfo<StartupCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zorozod
