#include "MainWindowFixture.h"

#include "model/RowValidation.h"

namespace zorozod::test {
namespace {

const std::string kSaveChanges = "yesnocancel: Do you want to Save the Changes made to this File.";
const std::string kNewQuestion = "yesno: Do you want to Create a New File.";
const std::string kSaveBeforeOpen =
    "yesno: Do you want to Save the Changes made to this File before Opening Another File";

class Commands : public MainWindowTest {
protected:
    std::string five;
    void SetUp() override { five = writeBox("five.box", FiveAbsences()); }

    TCVToolBoxEdit& openFive() {
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(five));
        w.Open1->trigger();
        desktop.take();
        return w;
    }
};

TEST_F(Commands, OpenLoadsValidatesAndRemembersTheFile) {
    AbsenceTable table = FiveAbsences();
    table.setCell(2, kThreeCharCode, "A01");  // a duplicate the file does not know of
    const std::string path = writeBox("dup.box", table);
    TCVToolBoxEdit& w = start();
    w.LastClickedRow = 4;
    desktop.files.push_back(Q(path));
    w.Open1->trigger();
    EXPECT_EQ(desktop.take(), std::vector<std::string>{"open: "});
    EXPECT_EQ(desktop.dialogs.back().filters.join('|').toStdString(),
              "Corvane Tool Box Absences (*.box)|All Files (*.*)");
    EXPECT_EQ(desktop.dialogs.back().defaultSuffix, "box");
    EXPECT_EQ(w.CurrentFileName, path);
    EXPECT_EQ(w.windowTitle().toStdString(), "ZoroZod Editor - " + path);
    EXPECT_EQ(w.absences().cell(1, kErrors), "Duplicate 3 Char Code. ");
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(w.selectedRow(), 1);
    EXPECT_EQ(w.LastClickedRow, 1);
    EXPECT_EQ(storedText("Last Dir"), path);
    // the next Open starts where this one chose
    desktop.files.push_back(kCancelled);
    w.Open1->trigger();
    EXPECT_EQ(desktop.dialogs.back().initialPath.toStdString(), path);
}

TEST_F(Commands, OpenCancelledChangesNothing) {
    TCVToolBoxEdit& w = openFive();
    const AbsenceTable before = w.absences();
    TempDir other;
    desktop.files.push_back(kCancelled);
    w.Open1->trigger();
    EXPECT_EQ(w.absences(), before);
    EXPECT_EQ(w.CurrentFileName, five);
    EXPECT_EQ(storedText("Last Dir"), five);
}

TEST_F(Commands, OpenOfAFileThatIsNotAToolboxOrCannotBeReadChangesNothing) {
    test::WriteFile(dir.file("refused.box"), "CVToolBox\r\n");
    test::WriteFile(dir.file("short.box"), "CVToolBox\r\nv001\r\nd\r\nNumItems\r\n2\r\nx\r\nEndOfFile\r\n");
    TCVToolBoxEdit& w = openFive();
    w.AddItem1->trigger();
    w.LastClickedRow = 3;
    const AbsenceTable before = w.absences();
    for (const auto& [name, message] : std::vector<std::pair<std::string, std::string_view>>{
             {"refused.box", kNotAToolBoxMessage}, {"short.box", kErrorOpeningFileMessage},
             {"missing.box", kErrorOpeningFileMessage}}) {
        desktop.yesNo.push_back(false);
        desktop.files.push_back(Q(dir.file(name)));
        w.Open1->trigger();
        EXPECT_EQ(desktop.take(), (std::vector<std::string>{kSaveBeforeOpen, "open: ", "notify: " + std::string(message)}));
        EXPECT_EQ(w.absences(), before) << name;
        EXPECT_EQ(w.CurrentFileName, five) << name;
        EXPECT_EQ(w.windowTitle().toStdString(), "ZoroZod Editor - " + five) << name;
        EXPECT_TRUE(w.FileChanged) << name;
        EXPECT_EQ(w.LastClickedRow, 3) << name;
        EXPECT_EQ(storedText("Last Dir"), dir.file(name));  // written whatever the load gave
    }
}

TEST_F(Commands, OpenOfAFileWithoutAbsencesLeavesAnEmptyTable) {
    const std::string empty = writeBox("empty.box", AbsenceTable{});
    TCVToolBoxEdit& w = start();
    desktop.files.push_back(Q(empty));
    w.Open1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 0);
    EXPECT_EQ(w.CurrentFileName, empty);
    EXPECT_EQ(w.selectedRow(), 0);
    w.DeleteItem1->trigger();
    EXPECT_EQ(desktop.take().back(), "notify: You Need to Select a Row to Delete First");
    w.AddItem1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 1);
}

TEST_F(Commands, OpenAsksToSaveChangesFirst) {
    TCVToolBoxEdit& w = openFive();
    w.AddItem1->trigger();
    const std::string other = writeBox("other.box", test::Table({ValidRow("ZZZ", "ZZ")}));
    desktop.yesNo.push_back(true);
    desktop.files.push_back(Q(other));
    w.Open1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kSaveBeforeOpen, "notify: There are Errors in the Absences. "
                                                        "Please Correct them before Importing into Corvane. Saving File",
                                                        "open: "}));
    EXPECT_EQ(ReadToolBoxFile(five).table.absenceCount(), 6);
    EXPECT_EQ(codes(), std::vector<std::string>{"ZZZ"});
}

TEST_F(Commands, AYesThatSavesNothingStopsTheCommand) {
    TCVToolBoxEdit& w = start();
    w.AddItem1->trigger();
    const AbsenceTable before = w.absences();
    // Open: Yes, then the Save As dialog cancelled: no open dialog follows
    desktop.yesNo.push_back(true);
    desktop.files.push_back(kCancelled);
    w.Open1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kSaveBeforeOpen, "save"}));
    // New: Yes, Yes, cancelled: nothing is cleared
    desktop.yesNo.push_back(true);
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    desktop.files.push_back(kCancelled);
    w.New1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kNewQuestion, kSaveChanges, "save"}));
    EXPECT_EQ(w.absences(), before);
    EXPECT_TRUE(w.FileChanged);
    // and a save that fails: its error, and nothing cleared either
    desktop.yesNo.push_back(true);
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    desktop.files.push_back(Q(dir.file("no/such/folder/x.box")));
    w.New1->trigger();
    EXPECT_EQ(desktop.take().back(), "error: Cannot create file " + dir.file("no/such/folder/x.box"));
    EXPECT_EQ(w.absences(), before);
    EXPECT_TRUE(w.FileChanged);
}

TEST_F(Commands, NewClearsTheDocumentWhenAnswered) {
    TCVToolBoxEdit& w = openFive();
    w.LastClickedRow = 3;
    w.EditRow = 2;
    desktop.yesNo.push_back(false);
    w.New1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 5);  // No at the first question changes nothing
    w.AddItem1->trigger();
    // changed: Yes, then No
    desktop.yesNo.push_back(true);
    desktop.yesNoCancel.push_back(Desktop::Answer::Cancel);
    w.New1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 6);
    desktop.take();
    desktop.yesNo.push_back(true);
    desktop.yesNoCancel.push_back(Desktop::Answer::No);
    w.New1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kNewQuestion, kSaveChanges}));
    EXPECT_EQ(w.absences().absenceCount(), 1);
    EXPECT_EQ(w.absences().row(1), AbsenceRow{});
    EXPECT_EQ(w.CurrentFileName, "");
    EXPECT_EQ(w.windowTitle(), "ZoroZod Editor - Untitled");
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(w.LastClickedRow, 3);
    EXPECT_EQ(w.EditRow, 2);
    EXPECT_EQ(ReadToolBoxFile(five).table, FiveAbsences());  // No: the file is untouched
}

TEST_F(Commands, NewOnAChangedDocumentCanSaveItFirst) {
    TCVToolBoxEdit& w = openFive();
    w.selectRow(5);
    w.DeleteItem1->trigger();
    desktop.yesNo.push_back(true);
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    w.New1->trigger();
    EXPECT_EQ(ReadToolBoxFile(five).table.absenceCount(), 4);
    EXPECT_EQ(w.absences().absenceCount(), 1);
    EXPECT_EQ(w.windowTitle(), "ZoroZod Editor - Untitled");
}

TEST_F(Commands, AddItemAppendsAnEmptyRowAndValidatesAll) {
    TCVToolBoxEdit& w = openFive();
    AbsenceRow stale = w.absences().row(3);
    stale[kErrors] = "stale ";
    w.gridModel().setRowCells(3, stale);
    w.selectRow(2);
    const QString title = w.windowTitle();
    w.AddItem1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 6);
    EXPECT_EQ(w.absences().cell(3, kErrors), "");
    AbsenceTable alone = test::Table({AbsenceRow{}});
    ValidateAllRows(alone);
    EXPECT_EQ(w.absences().cell(6, kErrors), alone.cell(1, kErrors));
    EXPECT_TRUE(w.FileChanged);
    EXPECT_EQ(w.selectedRow(), 2);
    EXPECT_EQ(w.windowTitle(), title);
}

TEST_F(Commands, DeleteItemRemovesTheSelectedRowWithoutValidating) {
    AbsenceTable table = FiveAbsences();
    table.setCell(4, kThreeCharCode, "A03");
    ValidateAllRows(table);
    const std::string path = writeBox("dup.box", table);
    TCVToolBoxEdit& w = start();
    desktop.files.push_back(Q(path));
    w.Open1->trigger();
    w.selectRow(3);
    w.DeleteItem1->trigger();
    EXPECT_EQ(codes(), (std::vector<std::string>{"A01", "A02", "A03", "A05"}));
    EXPECT_EQ(w.selectedRow(), 3);
    EXPECT_TRUE(w.FileChanged);
    EXPECT_EQ(w.absences().cell(3, kErrors), "Duplicate 3 Char Code. ");  // until the next full pass
    w.selectRow(4);
    w.DeleteItem1->trigger();
    EXPECT_EQ(w.selectedRow(), 3);  // the new last row
    w.DeleteItem1->trigger();
    w.DeleteItem1->trigger();
    EXPECT_EQ(codes(), std::vector<std::string>{"A01"});
    w.FileChanged = false;
    w.DeleteItem1->trigger();
    EXPECT_EQ(desktop.take().back(), "notify: You Must Have at least One Absence");
    EXPECT_EQ(codes(), std::vector<std::string>{"A01"});
    EXPECT_FALSE(w.FileChanged);
}

TEST_F(Commands, SaveAsWritesUnderTheNewNameAndRetitles) {
    TCVToolBoxEdit& w = start();
    w.AddItem1->trigger();  // two empty rows: errors
    const std::string path = dir.file("new.box");
    desktop.files.push_back(Q(path));
    w.SaveAs1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"save", "notify: There are Errors in the Absences. Please "
                                                        "Correct them before Importing into Corvane. Saving File"}));
    EXPECT_EQ(desktop.dialogs.back().filters.join('|').toStdString(), "Corvane Toolbox Absences (*.box)");
    EXPECT_EQ(desktop.dialogs.back().defaultSuffix, "box");
    EXPECT_EQ(ReadToolBoxFile(path).table, w.absences());
    EXPECT_EQ(w.CurrentFileName, path);
    EXPECT_EQ(w.windowTitle().toStdString(), "ZoroZod Editor - " + path);
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(storedText("Last Dir"), path);
    // cancelled: nothing changes
    w.AddItem1->trigger();
    desktop.files.push_back(kCancelled);
    w.SaveAs1->trigger();
    EXPECT_EQ(w.CurrentFileName, path);
    EXPECT_TRUE(w.FileChanged);
}

TEST_F(Commands, SaveAsThatFailsKeepsTheNewNameButNotTheTitle) {
    TCVToolBoxEdit& w = openFive();
    const std::string bad = dir.file("five.box/under/a/file.box");
    desktop.files.push_back(Q(bad));
    w.SaveAs1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"save", "error: Cannot create file " + bad}));
    EXPECT_EQ(w.CurrentFileName, bad);
    EXPECT_EQ(w.windowTitle().toStdString(), "ZoroZod Editor - " + five);
    EXPECT_EQ(storedText("Last Dir"), five);
}

TEST_F(Commands, CloseAsksAboutChanges) {
    TCVToolBoxEdit& w = openFive();
    w.AddItem1->trigger();
    // Cancel: the window stays, nothing is written
    desktop.yesNoCancel.push_back(Desktop::Answer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.FileChanged);
    EXPECT_FALSE(storedInt("X"));
    // Yes on a save that cannot end in a file: the window stays
    w.CurrentFileName.clear();
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    desktop.files.push_back(kCancelled);
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(storedInt("X"));
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    desktop.files.push_back(Q(dir.file("gone/x.box")));
    EXPECT_FALSE(w.close());
    EXPECT_EQ(desktop.take().back(), "error: Cannot create file " + dir.file("gone/x.box"));
    // No: the program ends, the file on disk untouched, the placement stored
    desktop.yesNoCancel.push_back(Desktop::Answer::No);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(ReadToolBoxFile(five).table, FiveAbsences());
    EXPECT_EQ(storedInt("W"), w.width());
}

TEST_F(Commands, CloseWithYesSavesAndExitCloses) {
    TCVToolBoxEdit& w = openFive();
    w.AddItem1->trigger();
    desktop.yesNoCancel.push_back(Desktop::Answer::Yes);
    w.Exit1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ReadToolBoxFile(five).table.absenceCount(), 6);
    // unchanged: no question at all
    TCVToolBoxEdit& again = start();
    again.Exit1->trigger();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{kSaveChanges, "notify: There are Errors in the Absences. "
                                                        "Please Correct them before Importing into Corvane. Saving File"}));
}

}  // namespace
}  // namespace zorozod::test

namespace zorozod::test {
namespace {

TEST_F(Commands, OpenReportsALastDirThatCannotBeStoredAfterLoading) {
    TCVToolBoxEdit& w = start();
    std::filesystem::remove_all(dir.path() / "store");
    test::WriteFile(dir.file("store"), "a file where the store's folder was");
    desktop.files.push_back(Q(five));
    w.Open1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"open: ", "error: Failed to set data for 'Last Dir'"}));
    EXPECT_EQ(w.CurrentFileName, five);
    EXPECT_EQ(w.absences().absenceCount(), 5);
    EXPECT_FALSE(w.FileChanged);
}

}  // namespace
}  // namespace zorozod::test
