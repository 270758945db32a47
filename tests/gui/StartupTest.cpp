#include "MainWindowFixture.h"

#include <QAbstractItemModelTester>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace zorozod::test {
namespace {

using V = StoredValue;
V Int(const char* name, int v) { return {name, V::Type::Integer, v, {}}; }
V Text(const char* name, std::string v) { return {name, V::Type::Text, 0, std::move(v)}; }

// Left and top edges of the window's frame, width and height of the window.
QRect Placement(const QWidget& w) { return QRect(w.pos(), w.size()); }

std::vector<V> Placement() { return {Int("X", 100), Int("Y", 250), Int("W", 700), Int("H", 450)}; }
std::vector<V> Backup() { return {Int("Last Backup D", 8), Int("Last Backup M", 12), Int("Last Backup Y", 2007)}; }
std::vector<V> Join(std::vector<V> a, const std::vector<V>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A file whose stored Errors texts differ from what validation gives.
AbsenceTable StaleErrors() {
    AbsenceTable table;
    table.row(table.appendRow()) = ValidRow("ANL", "AL");
    table.setCell(1, kErrors, "stored text ");
    table.row(table.appendRow()) = Row({"X"});
    return table;
}

TEST_F(MainWindowTest, FirstStartCreatesTheKeyAndShowsOneEmptyRow) {
    TCVToolBoxEdit& w = start();
    EXPECT_TRUE(std::filesystem::exists(settingsPath));
    EXPECT_EQ(Placement(w), QRect(30, 30, 600, 400));
    EXPECT_EQ(w.windowTitle(), "ZoroZod Editor - Untitled");
    EXPECT_EQ(w.absences().absenceCount(), 1);
    EXPECT_EQ(w.absences().row(1), AbsenceRow{});
    EXPECT_EQ(w.selectedRow(), 1);
    EXPECT_EQ(w.LastClickedRow, 1);
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(std::tie(w.LastBackupDay, w.LastBackupMonth, w.LastBackupYear), std::make_tuple(0, 0, 0));
    EXPECT_TRUE(desktop.take().empty());
}

TEST_F(MainWindowTest, TheWindowIsMadeAsDesigned) {
    TCVToolBoxEdit& w = start();
    const QAbstractItemModel* model = w.AbsGrid->model();
    // headings: column 0 in the fixed column, the others above the grid
    QStringList headings;
    for (int c = 0; c < model->columnCount(); ++c) headings << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings.join('|').toStdString(),
              "P/C|2 Char Code|Code Description|On Time|Off Time|Credit|Hard Time|Duty|CARs Duty|Inside Window|"
              "Display In ZoroZod|Errors");
    std::vector<int> widths = {w.AbsGrid->verticalHeader()->width()};
    for (int c = 0; c < model->columnCount(); ++c) widths.push_back(w.AbsGrid->columnWidth(c));
    EXPECT_EQ(widths, (std::vector<int>{64, 40, 64, 160, 64, 64, 64, 64, 64, 64, 80, 100, 900}));
    EXPECT_EQ(w.AbsGrid->verticalHeader()->defaultSectionSize(), 20);
    EXPECT_EQ(w.AbsGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(w.AbsGrid->selectionBehavior(), QAbstractItemView::SelectRows);
    // the caption buttons drop down the menu tree
    EXPECT_EQ(w.ToolButton10->text(), "&File");
    EXPECT_EQ(w.ToolButton11->text(), "&Edit");
    EXPECT_EQ(w.ToolButton12->text(), "&Help");
    QStringList file;
    for (QAction* a : w.ToolButton10->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file.join('|').toStdString(),
              "&New|&Open...|&Save|Save&As...|-|S&ync from Transaction Code Report...|-|&Print...|-|E&xit");
    QStringList edit, help;
    for (QAction* a : w.ToolButton11->menu()->actions()) edit << a->text();
    for (QAction* a : w.ToolButton12->menu()->actions()) help << a->text();
    EXPECT_EQ(edit.join('|').toStdString(), "Add Item|Delete Item");
    EXPECT_EQ(help.join('|').toStdString(), "&About");
    QStringList speed;
    for (QAction* a : w.SpeedButtonsToolBar->actions()) speed << (a->isSeparator() ? "-" : a->objectName());
    EXPECT_EQ(speed.join('|').toStdString(), "New1|Open1|Save1|SaveAs1|-|AddItem1|DeleteItem1|-|About1");
    for (QAction* a : w.SpeedButtonsToolBar->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(w.StatusBar1->height(), 18);
    EXPECT_TRUE(w.StatusBar1->currentMessage().isEmpty());
}

TEST_F(MainWindowTest, AFullStoreReopensTheLastFileWithoutValidating) {
    const std::string path = writeBox("Pilots.box", StaleErrors());
    storeSettings(Join(Join(Placement(), Backup()), {Text("Last Dir", path)}));
    TCVToolBoxEdit& w = start();
    EXPECT_EQ(Placement(w), QRect(100, 250, 700, 450));
    EXPECT_EQ(std::tie(w.LastBackupDay, w.LastBackupMonth, w.LastBackupYear), std::make_tuple(8, 12, 2007));
    EXPECT_EQ(w.CurrentFileName, path);
    EXPECT_EQ(w.windowTitle().toStdString(), "ZoroZod Editor - " + path);
    EXPECT_EQ(w.absences().cell(1, kErrors), "stored text ");
    EXPECT_EQ(w.absences().cell(2, kErrors), "");
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(w.selectedRow(), 1);
}

struct PartialStore {
    std::string name;
    std::vector<V> values;
    QRect geometry;
    bool backupRead;
};

class PartialStoreTest : public MainWindowTest, public testing::WithParamInterface<PartialStore> {};

TEST_P(PartialStoreTest, GroupsNotReadWholeTakeDefaultsAndNothingIsReopened) {
    const std::string path = writeBox("Pilots.box", StaleErrors());
    std::vector<V> values = GetParam().values;
    values.push_back(Text("Last Dir", path));
    storeSettings(values);
    TCVToolBoxEdit& w = start();
    EXPECT_EQ(Placement(w), GetParam().geometry);
    EXPECT_EQ(w.LastBackupYear, GetParam().backupRead ? 2007 : 0);
    EXPECT_EQ(w.CurrentFileName, "");
    EXPECT_EQ(w.windowTitle(), "ZoroZod Editor - Untitled");
    EXPECT_TRUE(desktop.take().empty());
}

INSTANTIATE_TEST_SUITE_P(Stores, PartialStoreTest, testing::Values(
    PartialStore{"OnlyXAndY", Join({Int("X", 100), Int("Y", 250)}, Backup()), {30, 30, 600, 400}, false},
    PartialStore{"PlacementWithoutBackup", Placement(), {100, 250, 700, 450}, false},
    PartialStore{"XStoredAsText", Join({Text("X", "100"), Int("Y", 250), Int("W", 700), Int("H", 450)}, Backup()),
                 {30, 30, 600, 400}, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(MainWindowTest, ALastFileThatCannotBeReadOpensUntitled) {
    TempDir other;
    test::WriteFile(other.file("refused.box"), "not a toolbox\r\n");
    test::WriteFile(other.file("broken.box"), "CVToolBox\r\nv001\r\nd\r\nNumItems\r\n3\r\nEndOfFile\r\n");
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {other.file("gone.box"), {}},
        {other.file("refused.box"), {"notify: " + std::string(kNotAToolBoxMessage)}},
        {other.file("broken.box"), {"notify: " + std::string(kErrorOpeningFileMessage)}},
    };
    for (const auto& [path, messages] : cases) {
        storeSettings(Join(Join(Placement(), Backup()), {Text("Last Dir", path)}));
        TCVToolBoxEdit& w = start();
        EXPECT_EQ(desktop.take(), messages) << path;
        EXPECT_EQ(w.CurrentFileName, "") << path;
        EXPECT_EQ(w.windowTitle(), "ZoroZod Editor - Untitled") << path;
        EXPECT_EQ(w.absences().absenceCount(), 1) << path;
        EXPECT_EQ(w.absences().row(1), AbsenceRow{}) << path;
        EXPECT_EQ(w.LastClickedRow, 1) << path;
        EXPECT_EQ(Placement(w), QRect(100, 250, 700, 450)) << path;
    }
}

TEST_F(MainWindowTest, ThePlacementGoesRoundAtClose) {
    TCVToolBoxEdit& w = start();
    w.move(100, 250);
    w.resize(640, 480);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(storedInt("X"), 100);
    EXPECT_EQ(storedInt("Y"), 250);
    EXPECT_EQ(storedInt("W"), 640);
    EXPECT_EQ(storedInt("H"), 480);
    TCVToolBoxEdit& again = start();
    EXPECT_EQ(Placement(again), QRect(100, 250, 640, 480));
}

TEST_F(MainWindowTest, TheGridModelKeepsTheRulesOfItsKind) {
    const std::string path = writeBox("five.box", FiveAbsences());
    TCVToolBoxEdit& w = start();
    static std::vector<std::string> warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (type != QtDebugMsg && type != QtInfoMsg) warnings.push_back(m.toStdString());
    });
    QAbstractItemModelTester tester(&w.gridModel(), QAbstractItemModelTester::FailureReportingMode::Warning);
    desktop.files.push_back(Q(path));
    w.Open1->trigger();
    w.AddItem1->trigger();
    w.selectRow(2);
    w.DeleteItem1->trigger();
    EXPECT_TRUE(w.gridModel().moveRows({}, 0, 1, {}, 3));
    EXPECT_EQ(codes(), (std::vector<std::string>{"A03", "A04", "A01", "A05", ""}));
    EXPECT_EQ(w.gridModel().headerData(0, Qt::Vertical).toString(), "A03");
    EXPECT_EQ(w.gridModel().data(w.gridModel().index(0, 0)).toString(), "Pilot");
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, std::vector<std::string>{});
}

}  // namespace
}  // namespace zorozod::test

namespace zorozod::test {
namespace {

TEST(Editor, WithoutADisplayItSaysSoInOneLine) {
    const auto result = RunProgram({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb",
                                    ZOROZOD_EDITOR_EXE});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("zorozod-editor: cannot open a display (", 0), 0u) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace zorozod::test
