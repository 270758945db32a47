#include "MainWindowFixture.h"

#include "file/TextLines.h"

#include <sys/resource.h>

namespace zorozod::test {
namespace {

namespace fs = std::filesystem;

const std::string kErrorsWarning =
    "notify: There are Errors in the Absences. Please Correct them before Importing into Corvane. Saving File";

class Save : public MainWindowTest {
protected:
    TCVToolBoxEdit& openIn(const std::string& folder, const AbsenceTable& table) {
        fs::create_directories(dir.path() / folder);
        const std::string path = writeBox(folder + "/Pilots.box", table);
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(path));
        w.Open1->trigger();
        desktop.take();
        return w;
    }
    std::string backupOf(const std::string& folder, const std::string& date) {
        return dir.file(folder + "/ZoroZod Editor Backup/Backup of ZoroZod File on " + date + ".box");
    }
    static std::string LineOf(const std::string& text, std::size_t n) { return std::string(SplitLines(text).at(n - 1)); }
    void at(int day, int hour) { desktop.clock = QDateTime(QDate(2007, 12, day), QTime(hour, 0, 0)); }
};

TEST_F(Save, WritesTheFileAndTheDaysBackupWithOneSaveTime) {
    TCVToolBoxEdit& w = openIn("crew", FiveAbsences());
    w.AddItem1->trigger();
    at(9, 10);
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), std::vector<std::string>{kErrorsWarning});  // once, though the table has faults
    const std::string saved = ReadFile(w.CurrentFileName);
    EXPECT_EQ(LineOf(saved, 3), "09-12-2007 10:00:00");
    EXPECT_EQ(ReadFile(backupOf("crew", "09-12-2007")), saved);  // byte for byte
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(std::tie(w.LastBackupDay, w.LastBackupMonth, w.LastBackupYear), std::make_tuple(9, 12, 2007));
    EXPECT_EQ(storedInt("Last Backup D"), 9);
    EXPECT_EQ(storedInt("Last Backup M"), 12);
    EXPECT_EQ(storedInt("Last Backup Y"), 2007);
}

TEST_F(Save, OneBackupADayWhicheverFileIsSaved) {
    TCVToolBoxEdit& w = openIn("a", FiveAbsences());
    at(9, 10);
    w.Save1->trigger();
    const std::string morning = ReadFile(backupOf("a", "09-12-2007"));
    w.AddItem1->trigger();
    at(9, 15);
    w.Save1->trigger();
    EXPECT_EQ(ReadFile(backupOf("a", "09-12-2007")), morning);  // the 10:00 copy stays
    // another file the same day: no backup beside it
    fs::create_directories(dir.path() / "b");
    const std::string b = writeBox("b/Cabin.box", FiveAbsences());
    desktop.files.push_back(Q(b));
    w.Open1->trigger();
    w.AddItem1->trigger();
    w.Save1->trigger();
    EXPECT_FALSE(fs::exists(dir.path() / "b/ZoroZod Editor Backup"));
    // the next day, and a clock set back, make one each
    at(10, 9);
    w.Save1->trigger();
    EXPECT_TRUE(fs::exists(backupOf("b", "10-12-2007")));
    at(1, 9);
    w.Save1->trigger();
    EXPECT_TRUE(fs::exists(backupOf("b", "01-12-2007")));
}

TEST_F(Save, AMidnightSaveHasNoTimeAndAnUntitledSaveAsksForAName) {
    TCVToolBoxEdit& w = start();
    desktop.clock = QDateTime(QDate(2007, 12, 9), QTime(0, 0, 0));
    desktop.files.push_back(kCancelled);
    w.AddItem1->trigger();
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), std::vector<std::string>{"save"});
    EXPECT_TRUE(w.FileChanged);
    const std::string path = dir.file("untitled.box");
    desktop.files.push_back(Q(path));
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"save", kErrorsWarning}));
    EXPECT_EQ(LineOf(ReadFile(path), 3), "09-12-2007");
    EXPECT_TRUE(fs::exists(dir.file("ZoroZod Editor Backup/Backup of ZoroZod File on 09-12-2007.box")));
    EXPECT_FALSE(w.FileChanged);
}

TEST_F(Save, AFileThatCannotBeCreatedWritesNothing) {
    TCVToolBoxEdit& w = openIn("crew", FiveAbsences());
    w.AddItem1->trigger();
    for (const std::string& bad : {dir.file("crew/Pilots.box/x.box"), dir.file("vanished/x.box")}) {
        w.CurrentFileName = bad;
        w.Save1->trigger();
        EXPECT_EQ(desktop.take(), (std::vector<std::string>{kErrorsWarning, "error: Cannot create file " + bad}));
        EXPECT_TRUE(w.FileChanged);
        EXPECT_EQ(w.LastBackupYear, 0);
        EXPECT_FALSE(storedInt("Last Backup D"));
    }
    EXPECT_EQ(ReadToolBoxFile(dir.file("crew/Pilots.box")).table, FiveAbsences());
}

TEST_F(Save, AWriteThatFailsPartWayKeepsTheOldFile) {
    AbsenceTable big = FiveAbsences();
    for (int i = 0; i < 2000; ++i) big.row(big.appendRow()) = ValidRow("B" + std::to_string(i), "x");
    TCVToolBoxEdit& w = openIn("crew", big);
    const std::string before = ReadFile(w.CurrentFileName);
    w.AddItem1->trigger();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    w.Save1->trigger();
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kErrorsWarning, "error: Stream write error"}));
    EXPECT_EQ(ReadFile(w.CurrentFileName), before);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"crew", "store"}));
    EXPECT_EQ(fs::directory_iterator(dir.path() / "crew")->path().filename(), "Pilots.box");
    EXPECT_TRUE(w.FileChanged);
    EXPECT_EQ(w.LastBackupYear, 0);
}

TEST_F(Save, AStoreThatRefusesTheBackupDateLeavesNoBackup) {
    TCVToolBoxEdit& w = openIn("crew", FiveAbsences());
    w.AddItem1->trigger();
    fs::remove_all(dir.path() / "store");
    WriteFile(dir.file("store"), "a file where the store's folder was");
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kErrorsWarning, "error: Failed to set data for 'Last Backup D'"}));
    EXPECT_EQ(ReadToolBoxFile(w.CurrentFileName).table, w.absences());  // the file is written
    EXPECT_FALSE(fs::exists(dir.path() / "crew/ZoroZod Editor Backup"));
    EXPECT_EQ(w.LastBackupYear, 0);  // so the next save tries again
    EXPECT_TRUE(w.FileChanged);
}

TEST_F(Save, ABackupFolderThatCannotBeMadeStillStoresTheDate) {
    TCVToolBoxEdit& w = openIn("crew", FiveAbsences());
    WriteFile(dir.file("crew/ZoroZod Editor Backup"), "a file of that name");
    w.AddItem1->trigger();
    at(9, 10);
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kErrorsWarning, "error: Cannot create file " + backupOf("crew", "09-12-2007")}));
    EXPECT_EQ(ReadToolBoxFile(w.CurrentFileName).table, w.absences());
    EXPECT_EQ(storedInt("Last Backup D"), 9);
    EXPECT_EQ(w.LastBackupDay, 9);  // no further backup that day
    EXPECT_TRUE(w.FileChanged);
    w.Save1->trigger();
    EXPECT_EQ(desktop.take(), std::vector<std::string>{kErrorsWarning});
    EXPECT_FALSE(w.FileChanged);
}

}  // namespace
}  // namespace zorozod::test
