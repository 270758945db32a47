#include "MainWindowFixture.h"

#include "dialogs/EditAbsence.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace zorozod::test {
namespace {

class EditAbsence : public MainWindowTest {
protected:
    QPointer<TEditAbsenceForm> dialog;  // a child of the main window, which destroys it

    // The main window with `rows`, and the dialog for row r, shown but not modal.
    TEditAbsenceForm& edit(const AbsenceTable& rows, int r = 1) {
        delete dialog;
        const std::string path = writeBox("rows.box", rows);
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(path));
        w.Open1->trigger();
        w.EditRow = r;
        dialog = new TEditAbsenceForm(&w);
        dialog->show();
        return *dialog;
    }
    TEditAbsenceForm& editBlank() { return edit(test::Table({Row({"ANL", "Pilot", "AL", "Leave"})})); }

    EditBox* box(const std::string& name) { return dialog->findChild<EditBox*>(Q(name)); }
    static bool Yellow(const EditBox* b) { return b->background() == TEditAbsenceForm::kIncomplete; }
};

// Keys typed into one time box, from the text it holds: "\b" is Backspace.
struct KeyCase {
    std::string box;
    std::string start;
    std::string keys;
    std::string text;
    bool yellow;
};

class TimeKeys : public EditAbsence, public testing::WithParamInterface<KeyCase> {};

TEST_P(TimeKeys, TheBoxTakesOnlyWellFormedKeys) {
    const KeyCase& c = GetParam();
    AbsenceRow row = Row({"ANL", "Pilot", "AL", "Leave"});
    const std::map<std::string, int> columns = {{"OnEdit", kOnTime}, {"OffEdit", kOffTime},
                                                {"CreditEdit", kCredit}, {"HardEdit", kHardTime}};
    row[static_cast<std::size_t>(columns.at(c.box))] = c.start;
    edit(test::Table({row}));
    EditBox* b = box(c.box);
    b->setFocus();
    b->setCursorPosition(static_cast<int>(b->text().size()));
    for (const char k : c.keys) {
        if (k == '\b')
            QTest::keyClick(b, Qt::Key_Backspace);
        else
            QTest::keyClicks(b, QString(QChar(k)));
    }
    EXPECT_EQ(b->text().toStdString(), c.text) << c.box << " \"" << c.start << "\" + \"" << c.keys << "\"";
    EXPECT_EQ(Yellow(b), c.yellow) << c.box << " \"" << c.start << "\" + \"" << c.keys << "\"";
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeKeys, testing::Values(
    // hours of an on or off time: 00 to 23, the colon added after two digits
    KeyCase{"OnEdit", "", "8", "", true},
    KeyCase{"OnEdit", "", "08", "08:", true},
    KeyCase{"OnEdit", "", "0830", "08:30", false},
    KeyCase{"OffEdit", "", "3", "", true},
    KeyCase{"OffEdit", "", "2", "2", true},
    KeyCase{"OnEdit", "2", "4", "2", true},
    KeyCase{"OnEdit", "2", "3", "23:", true},
    KeyCase{"OffEdit", "1", "9", "19:", true},
    KeyCase{"OnEdit", "", ":30", ":30", false},
    KeyCase{"OnEdit", "2:", "0", "2:0", true},
    // credit and hard times take any hours
    KeyCase{"CreditEdit", "", "12", "12:", true},
    KeyCase{"CreditEdit", "", "12\b", "12", true},
    KeyCase{"CreditEdit", "", "12\b3", "123", true},
    KeyCase{"HardEdit", "", "9", "9", true},
    KeyCase{"OnEdit", "", "12\b3", "12", true},
    // minutes: the first 0 to 5, at most two, a second colon only as the second
    KeyCase{"OnEdit", "12:", "6", "12:", true},
    KeyCase{"OnEdit", "12:", ":", "12:", true},
    KeyCase{"OnEdit", "12:", "5", "12:5", true},
    KeyCase{"OnEdit", "12:", "5:", "12:5:", false},
    KeyCase{"CreditEdit", "12:", "597", "12:59", false},
    KeyCase{"HardEdit", "1:00", "0", "1:00", false},
    // nothing else: letters, spaces, signs, Enter
    KeyCase{"OnEdit", "", "a -+.", "", true},
    KeyCase{"CreditEdit", "1", "x\r", "1", true},
    KeyCase{"HardEdit", "10:0", "Z", "10:0", true},
    // Backspace removes the added colon; no colon comes back after it
    KeyCase{"OffEdit", "", "17\b", "17", true},
    KeyCase{"OffEdit", "", "17\b\b", "1", true}));

TEST_F(EditAbsence, TheTimeBoxesShareOneLastKey) {
    editBlank();
    // A Backspace in one box keeps the next change of another box from adding a colon.
    QTest::keyClick(box("HardEdit"), Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    box("CreditEdit")->paste();
    EXPECT_EQ(box("CreditEdit")->text(), "12");
    EXPECT_EQ(dialog->LastKey, '\b');
    QTest::keyClicks(box("HardEdit"), QStringLiteral("7"));
    box("OnEdit")->paste();
    EXPECT_EQ(box("OnEdit")->text(), "12:");
}

TEST_F(EditAbsence, EnterAndEscPressNeitherButton) {
    TEditAbsenceForm& d = editBlank();
    QTest::keyClick(box("DescriptionEdit"), Qt::Key_Return);
    QTest::keyClick(box("DescriptionEdit"), Qt::Key_Escape);
    QTest::keyClick(box("OnEdit"), Qt::Key_Enter);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), 0);
    EXPECT_FALSE(d.Button1->isDefault() || d.Button1->autoDefault() || d.Button2->isDefault() || d.Button2->autoDefault());
}

TEST_F(EditAbsence, OpeningFillsTheBoxesAndColoursThem) {
    TEditAbsenceForm& d = edit(test::Table({Row({"AB", "Cabin", "AL", "", "08", "17:00", "7:3", "", "Y", "N", "Y", "N"})}));
    EXPECT_TRUE(d.CabinRadioButton->isChecked());
    EXPECT_EQ(box("ThreeCharEdit")->text(), "AB");
    EXPECT_EQ(box("OnEdit")->text(), "08:");  // two characters gain their colon on opening
    EXPECT_EQ(box("OffEdit")->text(), "17:00");
    EXPECT_EQ(box("CreditEdit")->text(), "7:3");
    const std::vector<std::pair<std::string, bool>> colours = {
        {"ThreeCharEdit", true}, {"TwoCharEdit", false}, {"DescriptionEdit", true}, {"OnEdit", true},
        {"OffEdit", false},      {"CreditEdit", true},   {"HardEdit", true}};
    for (const auto& [name, yellow] : colours) EXPECT_EQ(Yellow(box(name)), yellow) << name;
    EXPECT_TRUE(d.IsDutyCheckBox->isChecked());
    EXPECT_FALSE(d.IsCarsDutyCheckBox->isChecked());
    EXPECT_TRUE(d.InsideWindowCheckBox->isChecked());
    EXPECT_FALSE(d.DisplayInToolBoxCheckBox->isChecked());
    // typing completes them
    QTest::keyClicks(box("ThreeCharEdit"), QStringLiteral("c"));
    QTest::keyClicks(box("DescriptionEdit"), QStringLiteral(" "));
    QTest::keyClicks(box("OnEdit"), QStringLiteral("15"));
    EXPECT_EQ(box("ThreeCharEdit")->text(), "ABC");
    EXPECT_FALSE(Yellow(box("ThreeCharEdit")));
    EXPECT_FALSE(Yellow(box("DescriptionEdit")));
    EXPECT_FALSE(Yellow(box("OnEdit")));
    box("DescriptionEdit")->clear();
    EXPECT_TRUE(Yellow(box("DescriptionEdit")));
}

TEST_F(EditAbsence, OkWritesColumnsZeroToElevenAndTurnsThemValid) {
    AbsenceRow row = Row({"TRNG", "pilot ", "AL", "Type Rating", "08", "17:00", "", "0:00", "y", "Yes", "", "Y"});
    TEditAbsenceForm& d = edit(test::Table({ValidRow("ANL", "AN"), row}), 2);
    AbsenceRow marked = window->absences().row(2);
    marked[kErrors] = "errors stay as they were ";
    window->gridModel().setRowCells(2, marked);
    EXPECT_TRUE(d.CabinRadioButton->isChecked());
    EXPECT_EQ(box("ThreeCharEdit")->text(), "TRNG");  // a longer text stays whole
    QTest::keyClicks(box("ThreeCharEdit"), QStringLiteral("x"));
    EXPECT_EQ(box("ThreeCharEdit")->text(), "TRNG");  // but nothing more can be typed
    d.Button1->click();
    EXPECT_FALSE(d.isVisible());
    const AbsenceRow& written = window->absences().row(2);
    EXPECT_EQ(written, (AbsenceRow{"TRNG", "Cabin", "AL", "Type Rating", "08:", "17:00", "", "0:00", "N", "N", "N",
                                   "Y", "errors stay as they were "}));
    EXPECT_EQ(window->absences().row(1), ValidRow("ANL", "AN"));
}

TEST_F(EditAbsence, CancelAndAnyOtherWayOutWriteNothing) {
    const AbsenceTable rows = test::Table({Row({"an", "Pilot", "AL", "Leave", "08"})});
    TEditAbsenceForm& d = edit(rows);
    const AbsenceRow before = window->absences().row(1);
    QTest::keyClicks(box("DescriptionEdit"), QStringLiteral(" changed"));
    d.CabinRadioButton->setChecked(true);
    d.Button2->click();
    EXPECT_EQ(window->absences().row(1), before);
    TEditAbsenceForm& again = edit(rows);
    QTest::keyClicks(box("DescriptionEdit"), QStringLiteral(" changed"));
    again.close();
    EXPECT_EQ(window->absences().row(1), before);
}

TEST_F(EditAbsence, TypedAndPastedTextFitsACell) {
    editBlank();
    EditBox* three = box("ThreeCharEdit");
    three->clear();
    QTest::keyClicks(three, QStringLiteral("abcd"));
    EXPECT_EQ(three->text(), "ABC");
    three->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("s\r\nk"));
    box("TwoCharEdit")->clear();
    box("TwoCharEdit")->paste();
    EXPECT_EQ(box("TwoCharEdit")->text(), "SK");
    QGuiApplication::clipboard()->setText(QStringLiteral("Sick\r\nLeave\nToday\r"));
    box("DescriptionEdit")->clear();
    box("DescriptionEdit")->paste();
    EXPECT_EQ(box("DescriptionEdit")->text(), "SickLeaveToday");
    // the on time has no length limit, the other time boxes take five characters
    QGuiApplication::clipboard()->setText(QStringLiteral("123456789"));
    box("OnEdit")->paste();
    box("OffEdit")->paste();
    EXPECT_EQ(box("OnEdit")->text(), "123456789");
    EXPECT_EQ(box("OffEdit")->text(), "12345");
    QTest::keyClicks(box("DescriptionEdit"), QStringLiteral(" mixed Case"));
    EXPECT_EQ(box("DescriptionEdit")->text(), "SickLeaveToday mixed Case");
}

TEST_F(EditAbsence, TheDialogIsMadeAsDesigned) {
    TEditAbsenceForm& d = editBlank();
    EXPECT_EQ(d.windowTitle(), "Edit Absence");
    EXPECT_EQ(d.size(), QSize(177, 363));
    EXPECT_EQ(d.pos(), QPoint(220, 147));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(d.GroupBox1->title(), "Crew Type");
    EXPECT_EQ(d.PilotRadioButton->parent(), d.GroupBox1);
    EXPECT_TRUE(d.PilotRadioButton->isChecked());
    std::vector<std::string> order;
    QWidget* at = d.ThreeCharEdit;
    for (int i = 0; i < 13; ++i, at = at->nextInFocusChain()) {
        while (!(at->focusPolicy() & Qt::TabFocus)) at = at->nextInFocusChain();
        const auto* check = qobject_cast<QAbstractButton*>(at);
        order.push_back(check ? check->text().toStdString() : at->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"ThreeCharEdit", "TwoCharEdit", "DescriptionEdit", "OnEdit", "OffEdit",
                                               "CreditEdit", "HardEdit", "Is Duty", "Is CARs Duty",
                                               "Inside Blocking Window", "Display In ZoroZod", "OK", "Cancel"}));
}

TEST_F(EditAbsence, AfterEitherButtonTheMainWindowValidatesAndMarksTheDocument) {
    const std::string path = writeBox("rows.box", test::Table({ValidRow("ANL", "AL"), ValidRow("SCK", "SK")}));
    TCVToolBoxEdit& w = start();
    desktop.files.push_back(Q(path));
    w.Open1->trigger();
    for (const bool ok : {true, false}) {
        w.FileChanged = false;
        w.LastClickedRow = 0;  // the first press selects, the second edits
        OnNextModal([ok](QWidget* modal) {
            auto* d = qobject_cast<TEditAbsenceForm*>(modal);
            ASSERT_NE(d, nullptr);
            d->ThreeCharEdit->clear();
            QTest::keyClicks(d->ThreeCharEdit, QStringLiteral("sck"));
            (ok ? d->Button1 : d->Button2)->click();
        });
        press(1);
        press(1);
        EXPECT_TRUE(w.FileChanged) << ok;
        const std::string expected = ok ? "Duplicate 3 Char Code. " : "";
        EXPECT_EQ(w.absences().cell(1, kErrors), expected) << ok;
        EXPECT_EQ(w.absences().cell(2, kErrors), expected) << ok;
        if (ok) {
            w.gridModel().setRowCells(1, ValidRow("ANL", "AL"));
            w.validateAllRows();
        }
    }
}

}  // namespace
}  // namespace zorozod::test
