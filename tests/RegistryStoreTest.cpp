// The settings key in the Windows registry itself.
#include "settings/RegistrySettingsStore.h"

#include "TestSupport.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

namespace zorozod {
namespace {

// A key of the tests' own beside the program's.
const std::string kTestKey = std::string(kSettingsKeyPath) + " Tests";

class Registry : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey.c_str()); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey.c_str()); }
    RegistrySettingsStore store{kTestKey};
};

TEST_F(Registry, TheKeyIsCreatedAndValuesKeepTheirTypes) {
    ASSERT_TRUE(store.openKey());
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("X"); }), "Failed to get data for 'X'");
    EXPECT_EQ(store.readText("Last Dir"), "");
    store.writeInteger("X", -1200);
    store.writeText("Last Dir", "C:\\Crew\\Pilotes \xc3\xa9t\xc3\xa9.box");
    EXPECT_EQ(store.readInteger("x"), -1200);  // names without regard to case
    EXPECT_EQ(store.readText("LAST DIR"), "C:\\Crew\\Pilotes \xc3\xa9t\xc3\xa9.box");
    EXPECT_EQ(test::FailureMessage([&] { store.readInteger("Last Dir"); }), "Invalid data type for 'Last Dir'");
    EXPECT_EQ(test::FailureMessage([&] { store.readText("X"); }), "Invalid data type for 'X'");
    // the values are REG_DWORD and REG_SZ in the registry
    DWORD type = 0;
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    ::RegQueryValueExA(key, "X", nullptr, &type, nullptr, nullptr);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    ::RegQueryValueExA(key, "Last Dir", nullptr, &type, nullptr, nullptr);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ::RegCloseKey(key);
    store.closeKey();
    EXPECT_EQ(test::FailureMessage([&] { store.writeInteger("X", 1); }), "Failed to set data for 'X'");
    EXPECT_EQ(test::FailureMessage([&] { store.readText("Last Dir"); }), "Failed to get data for 'Last Dir'");
}

TEST_F(Registry, TheStartupSequenceReadsTheGroups) {
    ASSERT_TRUE(store.openKey());
    store.writeInteger("X", 100);
    store.writeInteger("Y", 250);
    store.closeKey();
    StartupSettings read = ReadStartupSettings(store);
    EXPECT_EQ(std::tie(read.x, read.y, read.w, read.h), std::make_tuple(30, 30, 600, 400));
    store.openKey();
    store.writeInteger("W", 700);
    store.writeInteger("H", 450);
    store.writeInteger("Last Backup D", 9);
    store.writeInteger("Last Backup M", 12);
    store.writeInteger("Last Backup Y", 2007);
    store.writeText("Last Dir", "C:\\a.box");
    store.closeKey();
    read = ReadStartupSettings(store);
    EXPECT_EQ(std::tie(read.x, read.y, read.w, read.h), std::make_tuple(100, 250, 700, 450));
    EXPECT_EQ(read.backupYear, 2007);
    EXPECT_EQ(read.lastDir, "C:\\a.box");
}

// Values stay in the registry from one run of the tests to the next: each
// run reads the count the last one left and leaves it one higher.
TEST(RegistryRuns, ValuesOutliveTheRun) {
    RegistrySettingsStore store(std::string(kSettingsKeyPath) + " Runs");
    ASSERT_TRUE(store.openKey());
    int runs = 0;
    try {
        runs = store.readInteger("Runs");
    } catch (const ZoroZodError&) {
    }
    store.writeInteger("Runs", runs + 1);
    EXPECT_EQ(store.readInteger("Runs"), runs + 1);
    std::printf("registry runs before this one: %d\n", runs);
}

}  // namespace
}  // namespace zorozod
