#include "file/DailyBackup.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

#ifdef _WIN32
TEST(DailyBackup, TheFolderIsFoundAtTheLastBackslashOrSlash) {
    EXPECT_EQ(BackupFolderOf("C:\\Crew\\Toolbox\\Pilots.box"), "C:\\Crew\\Toolbox\\ZoroZod Editor Backup");
    EXPECT_EQ(BackupFolderOf("C:\\Crew/Toolbox/Pilots.box"), "C:\\Crew/Toolbox/ZoroZod Editor Backup");
    EXPECT_EQ(BackupFolderOf("Pilots.box"), "ZoroZod Editor Backup");
}
#else
TEST(DailyBackup, TheFolderStandsBesideTheSavedFile) {
    EXPECT_EQ(BackupFolderOf("/crew/toolbox/Pilots.box"), "/crew/toolbox/ZoroZod Editor Backup");
    EXPECT_EQ(BackupFolderOf("/Pilots.box"), "/ZoroZod Editor Backup");
    EXPECT_EQ(BackupFolderOf("Pilots.box"), "ZoroZod Editor Backup");  // the working folder
    EXPECT_EQ(BackupFolderOf("crew/"), "crew/ZoroZod Editor Backup");
    EXPECT_EQ(BackupFolderOf("a\\b.box"), "ZoroZod Editor Backup");  // a backslash is a name's own character here
}
#endif

TEST(DailyBackup, TheNameCarriesTheDateOnly) {
    const SaveTime time{2007, 12, 9, 14, 5, 33};
    EXPECT_EQ(BackupFileName(time, "dd/MM/yyyy"), "Backup of ZoroZod File on 09-12-2007.box");
    EXPECT_EQ(BackupFileName(time, "M/d/yy"), "Backup of ZoroZod File on 12-9-07.box");
}

}  // namespace
}  // namespace zorozod
