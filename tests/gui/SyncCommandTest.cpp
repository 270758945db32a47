#include "MainWindowFixture.h"

#include "dialogs/InfoDialog.h"
#include "sync/SyncFromReport.h"

#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>

namespace zorozod::test {
namespace {

namespace fs = std::filesystem;

const std::string kNotValid = "[Corvane ZoroZod Edit] notify: File Not Valid. Transaction Reports must begin with #HEADINGBEGIN#";
const std::string kError = "[Corvane ZoroZod Edit] notify: Error in LIS File.";

class SyncCommand : public MainWindowTest {
protected:
    const std::string fixture = std::string(ZOROZOD_FIXTURES) + "/sync/merge/";
    std::string report = fixture + "report.LIS";
    std::shared_ptr<std::string> shownLog = std::make_shared<std::string>();

    TCVToolBoxEdit& openTable() {
        const std::string table = dir.file("table.box");
        WriteFile(table, ReadFile(fixture + "table.box"));
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(table));
        w.Open1->trigger();
        desktop.take();
        return w;
    }
    // The Sync Info window that comes next: what it shows, then OK.
    void readSyncInfo() {
        auto log = shownLog;
        OnNextModal([log](QWidget* modal) {
            auto* info = qobject_cast<TInfoForm*>(modal);
            ASSERT_NE(info, nullptr);
            *log = info->RichEdit1->toPlainText().toStdString();
            info->Button1->click();
        });
    }
    static std::string Joined(const std::vector<std::string>& lines) {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
        return text;
    }
};

TEST_F(SyncCommand, ARunMergesValidatesAndShowsTheLog) {
    TCVToolBoxEdit& w = openTable();
    w.selectRow(3);
    w.LastClickedRow = 4;
    desktop.files.push_back(Q(report));
    readSyncInfo();
    w.Import1->trigger();
    EXPECT_EQ(desktop.take(), std::vector<std::string>{"open: Sync from Transaction Report"});
    const FileDialogSetup& dialog = desktop.dialogs.back();
    EXPECT_EQ(dialog.filters.join('|').toStdString(), "Transaction Code Report (*.LIS)|All Files (*.*)");
    EXPECT_EQ(dialog.defaultSuffix, "LIS");
    EXPECT_FALSE(dialog.mustExist);
    std::string expected = ReadFile(fixture + "expected.log");
    expected.replace(expected.find("@REPORT@"), 8, report);
    expected.pop_back();  // the window's last line has no break after it
    EXPECT_EQ(*shownLog, expected);
    EXPECT_EQ(codes(), (std::vector<std::string>{"ANL", "SCK", "SIM"}));
    EXPECT_TRUE(w.FileChanged);
    EXPECT_EQ(w.selectedRow(), 1);
    EXPECT_EQ(w.LastClickedRow, 1);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(w.absences().cell(r, kErrors), "") << r;
    EXPECT_EQ(storedText("Last Sync Dir"), report);
    EXPECT_EQ(ReadFile(w.CurrentFileName), ReadFile(fixture + "table.box"));  // nothing saved
    // the next run starts from the report
    desktop.files.push_back(kCancelled);
    w.Import1->trigger();
    EXPECT_EQ(desktop.dialogs.back().initialPath.toStdString(), report);
}

TEST_F(SyncCommand, CancellingTheDialogChangesNothing) {
    TCVToolBoxEdit& w = openTable();
    const AbsenceTable before = w.absences();
    desktop.files.push_back(kCancelled);
    w.Import1->trigger();
    EXPECT_EQ(w.absences(), before);
    EXPECT_FALSE(w.FileChanged);
    EXPECT_FALSE(stored("Last Sync Dir"));
}

TEST_F(SyncCommand, AReportWithoutTheMarkerIsRefusedWithoutTheLog) {
    TCVToolBoxEdit& w = openTable();
    const AbsenceTable before = w.absences();
    WriteFile(dir.file("codes.LIS"), "#HEADINGBEGIN# \r\n#\r\n");
    desktop.files.push_back(Q(dir.file("codes.LIS")));
    w.Import1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"open: Sync from Transaction Report", kNotValid}));
    EXPECT_EQ(w.absences(), before);
    EXPECT_FALSE(w.FileChanged);
    EXPECT_FALSE(stored("Last Sync Dir"));
}

TEST_F(SyncCommand, AReportThatBreaksOffLeavesTheDocumentAsItWas) {
    TCVToolBoxEdit& w = openTable();
    w.selectRow(3);
    w.LastClickedRow = 4;
    w.FileChanged = false;
    const AbsenceTable before = w.absences();
    std::string broken = ReadFile(report);
    broken.insert(broken.find("RSV"), "\r\n");
    WriteFile(dir.file("broken.LIS"), broken);
    for (const std::string& path : {dir.file("broken.LIS"), dir.file("missing.LIS")}) {
        desktop.files.push_back(Q(path));
        readSyncInfo();
        w.Import1->trigger();
        EXPECT_EQ(desktop.take(), (std::vector<std::string>{"open: Sync from Transaction Report", kError}));
        const std::string logSoFar = path == dir.file("missing.LIS")
                                         ? ""
                                         : "Processing Transaction Codes from " + path + "\nSynchronized Code SK";
        EXPECT_EQ(*shownLog, logSoFar);
        EXPECT_EQ(w.absences(), before);
        EXPECT_FALSE(w.FileChanged);
        EXPECT_EQ(w.selectedRow(), 3);
        EXPECT_EQ(w.LastClickedRow, 4);
        EXPECT_FALSE(stored("Last Sync Dir"));
    }
}

TEST_F(SyncCommand, ALastSyncDirThatCannotBeStoredEndsTheCommandAfterTheMerge) {
    TCVToolBoxEdit& w = openTable();
    fs::remove_all(dir.path() / "store");
    WriteFile(dir.file("store"), "a file where the store's folder was");
    desktop.files.push_back(Q(report));
    w.Import1->trigger();  // no Sync Info window follows
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"open: Sync from Transaction Report",
                                                        "error: Failed to set data for 'Last Sync Dir'"}));
    EXPECT_EQ(codes(), (std::vector<std::string>{"ANL", "SCK", "SIM"}));
    EXPECT_TRUE(w.FileChanged);
}

TEST_F(SyncCommand, ATableWithoutAbsencesKeepsItsSelectionState) {
    const std::string empty = writeBox("empty.box", AbsenceTable{});
    TCVToolBoxEdit& w = start();
    desktop.files.push_back(Q(empty));
    w.Open1->trigger();
    w.LastClickedRow = 7;
    WriteFile(dir.file("none.LIS"), "#HEADINGBEGIN#\r\n#\r\n#\r\n");
    desktop.files.push_back(Q(dir.file("none.LIS")));
    readSyncInfo();
    w.Import1->trigger();
    EXPECT_EQ(w.absences().absenceCount(), 0);
    EXPECT_EQ(w.LastClickedRow, 7);
    EXPECT_TRUE(w.FileChanged);
}

TEST_F(SyncCommand, TheSyncInfoWindowShowsAndCopiesTheLog) {
    TCVToolBoxEdit& w = start();
    TInfoForm info(&w);
    const std::string longLine = "Reserve Code.   Ignoring Line " + std::string(400, 'x');
    info.setLog("first\n" + longLine + "\nlast \xe9\n");
    info.show();
    EXPECT_EQ(info.windowTitle(), "Sync Info");
    EXPECT_EQ(info.size(), QSize(795, 466));
    EXPECT_EQ(info.pos(), QPoint(258, 155));
    EXPECT_FALSE(info.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(info.RichEdit1->isReadOnly());
    EXPECT_EQ(info.RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(info.RichEdit1->font()).fixedPitch());
    EXPECT_EQ(info.RichEdit1->font().pointSize(), 8);
    EXPECT_EQ(info.RichEdit1->document()->blockCount(), 3);  // the long line stays one line
    EXPECT_GT(info.RichEdit1->horizontalScrollBar()->maximum(), 0);
    const QString shown = info.RichEdit1->toPlainText();
    for (int copies = 0; copies < 2; ++copies) {
        info.CopyButton->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("first\r\n") + QString::fromLatin1(longLine) +
                                                             QStringLiteral("\r\nlast \u00e9\r\n"));
        EXPECT_EQ(info.RichEdit1->toPlainText(), shown);
        EXPECT_TRUE(info.RichEdit1->isReadOnly());
        EXPECT_FALSE(info.RichEdit1->textCursor().hasSelection());
        EXPECT_TRUE(info.RichEdit1->textCursor().atEnd());
    }
    QTest::keyClick(&info, Qt::Key_Escape);
    info.close();
    EXPECT_TRUE(info.isVisible());  // only OK leaves it
    info.Button1->click();
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zorozod::test
