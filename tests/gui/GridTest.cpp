#include "MainWindowFixture.h"

#include "dialogs/EditAbsence.h"

#include <QPushButton>

namespace zorozod::test {
namespace {

class Grid : public MainWindowTest {
protected:
    TCVToolBoxEdit& openFive() {
        const std::string path = writeBox("five.box", FiveAbsences());
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(path));
        w.Open1->trigger();
        return w;
    }
    // Marks every Errors cell, so that a validation pass shows.
    void markErrors(TCVToolBoxEdit& w) {
        for (int r = 1; r <= w.absences().absenceCount(); ++r) {
            AbsenceRow row = w.absences().row(r);
            row[kErrors] = "mark ";
            w.gridModel().setRowCells(r, row);
        }
        w.FileChanged = false;
    }
    bool editedAfterValidation(TCVToolBoxEdit& w) { return w.FileChanged && w.absences().cell(1, kErrors).empty(); }
    // The Edit Absence dialog that the next press opens: which row it edits, then Cancel.
    void cancelNextEdit() {
        auto row = std::make_shared<int>(0);
        edited_ = row;
        OnNextModal([row](QWidget* modal) {
            auto* dialog = qobject_cast<TEditAbsenceForm*>(modal);
            ASSERT_NE(dialog, nullptr);
            *row = dialog->AbsenceRow;
            dialog->Button2->click();
        });
    }
    int editedRow() const { return edited_ ? *edited_ : 0; }
    std::shared_ptr<int> edited_;
};

TEST_F(Grid, ASecondPressOnARowEditsIt) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    press(4);
    EXPECT_EQ(w.selectedRow(), 4);
    EXPECT_EQ(w.LastClickedRow, 4);
    EXPECT_FALSE(w.FileChanged);
    cancelNextEdit();
    press(4);
    EXPECT_EQ(w.EditRow, 4);
    EXPECT_EQ(editedRow(), 4);
    EXPECT_TRUE(editedAfterValidation(w));
}

TEST_F(Grid, PressesOnDifferentRowsEditNothing) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    press(4);
    press(5);
    press(3);
    EXPECT_EQ(w.LastClickedRow, 3);
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(w.absences().cell(1, kErrors), "mark ");
}

TEST_F(Grid, AfterOpenOnePressOnRowOneEdits) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    cancelNextEdit();
    press(1);
    EXPECT_EQ(w.EditRow, 1);
    EXPECT_EQ(editedRow(), 1);
    EXPECT_TRUE(editedAfterValidation(w));
}

TEST_F(Grid, AnyButtonCountsButOnlyTheMainOneMovesTheSelection) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    w.selectRow(2);
    press(4, Qt::RightButton);
    EXPECT_EQ(w.selectedRow(), 2);
    EXPECT_EQ(w.LastClickedRow, 4);
    cancelNextEdit();
    press(4, Qt::MiddleButton);
    EXPECT_EQ(w.EditRow, 2);
    EXPECT_EQ(editedRow(), 2);  // the selected row, which the other buttons did not move
    EXPECT_TRUE(editedAfterValidation(w));
}

TEST_F(Grid, TheSecondPressOfADoubleClickCounts) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    const QPoint at = w.AbsGrid->visualRect(w.gridModel().index(2, 3)).center();
    // a double click comes as a press, a release, then the double click itself
    QTest::mouseClick(w.AbsGrid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(w.FileChanged);
    cancelNextEdit();
    QTest::mouseDClick(w.AbsGrid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.EditRow, 3);
    EXPECT_EQ(editedRow(), 3);
    EXPECT_TRUE(editedAfterValidation(w));
}

TEST_F(Grid, TheHeadingsTheFixedColumnAndEmptySpaceAreNoCells) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    press(2);
    QHeaderView* fixed = w.AbsGrid->verticalHeader();
    QHeaderView* headings = w.AbsGrid->horizontalHeader();
    QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, QPoint(10, fixed->sectionViewportPosition(1) + 5));
    QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, QPoint(headings->sectionViewportPosition(2) + 5, 5));
    QTest::mouseClick(w.AbsGrid->viewport(), Qt::LeftButton, {}, QPoint(20, w.AbsGrid->viewport()->height() - 3));
    EXPECT_EQ(w.LastClickedRow, 2);
    EXPECT_EQ(w.selectedRow(), 2);  // a fixed cell is never selected
    EXPECT_FALSE(w.FileChanged);
    // a press on the fixed column of the same row opens nothing either
    QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, QPoint(10, fixed->sectionViewportPosition(1) + 5));
    EXPECT_FALSE(w.FileChanged);
}

TEST_F(Grid, DraggingAFixedCellMovesTheRow) {
    TCVToolBoxEdit& w = openFive();
    markErrors(w);
    QHeaderView* fixed = w.AbsGrid->verticalHeader();
    // from the first row's fixed cell to the lower half of the fourth row's
    auto at = [&](int r, int dy) { return QPoint(10, fixed->sectionViewportPosition(r - 1) + dy); };
    QTest::mousePress(fixed->viewport(), Qt::LeftButton, {}, at(1, 10));
    for (int y = at(1, 10).y(); y <= at(4, 15).y(); y += 5) QTest::mouseMove(fixed->viewport(), QPoint(10, y));
    QTest::mouseRelease(fixed->viewport(), Qt::LeftButton, {}, at(4, 15));
    EXPECT_EQ(codes(), (std::vector<std::string>{"A02", "A03", "A04", "A01", "A05"}));
    // the rows really moved: the fixed column still shows them in order, and no state changed
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(fixed->logicalIndex(r - 1), r - 1);
    EXPECT_EQ(w.gridModel().headerData(3, Qt::Vertical).toString(), "A01");
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(w.absences().cell(1, kErrors), "mark ");
}

}  // namespace
}  // namespace zorozod::test
