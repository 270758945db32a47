// Many random commands on one document in the real window: edits through the
// dialog, adds, deletes, saves and syncs. Afterwards the file on disk holds
// exactly the table in memory.
#include "MainWindowFixture.h"

#include "dialogs/EditAbsence.h"
#include "dialogs/InfoDialog.h"

#include <QPushButton>
#include <QRadioButton>

#include <random>

namespace zorozod::test {
namespace {

constexpr int kCycles = 10000;

class Soak : public MainWindowTest {
protected:
    std::mt19937 rng{20071209};
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Types a few random keys into random boxes of the dialog, then OK or Cancel.
    void editInDialog(TEditAbsenceForm* dialog) {
        EditBox* boxes[] = {dialog->ThreeCharEdit, dialog->TwoCharEdit, dialog->DescriptionEdit, dialog->OnEdit,
                            dialog->OffEdit,       dialog->CreditEdit,  dialog->HardEdit};
        static const QString keys = QStringLiteral("0123456789:aZ -");
        for (int k = below(6); k > 0; --k) {
            EditBox* box = boxes[below(7)];
            if (below(4) == 0) QTest::keyClick(box, Qt::Key_Backspace);
            else QTest::keyClicks(box, QString(keys[below(static_cast<int>(keys.size()))]));
        }
        if (below(3) == 0) (below(2) ? dialog->PilotRadioButton : dialog->CabinRadioButton)->setChecked(true);
        (below(4) ? dialog->Button1 : dialog->Button2)->click();
    }

    void closeNextModal() {
        OnNextModal([this](QWidget* modal) {
            if (auto* dialog = qobject_cast<TEditAbsenceForm*>(modal)) editInDialog(dialog);
            else if (auto* info = qobject_cast<TInfoForm*>(modal)) info->Button1->click();
            else ADD_FAILURE() << "unexpected window " << modal->objectName().toStdString();
        });
    }
};

TEST_F(Soak, RandomCommandsEndWithTheFileEqualToTheTable) {
    const std::string fixture = std::string(ZOROZOD_FIXTURES) + "/sync/merge/";
    const std::string path = writeBox("soak.box", FiveAbsences());
    std::string broken = ReadFile(fixture + "report.LIS");
    broken.insert(broken.find("RSV"), "\r\n");
    WriteFile(dir.file("broken.LIS"), broken);
    const std::vector<std::string> reports = {fixture + "report.LIS", dir.file("broken.LIS"), dir.file("missing.LIS")};

    TCVToolBoxEdit& w = start();
    desktop.files.push_back(Q(path));
    w.Open1->trigger();
    int edits = 0, syncs = 0, saves = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        const int rows = w.absences().absenceCount();
        switch (below(10)) {
            case 0: case 1: case 2: case 3: {  // edit a row through the dialog
                if (rows == 0) break;
                const int r = 1 + below(rows);
                const QModelIndex cell = w.gridModel().index(r - 1, below(12));
                w.AbsGrid->scrollTo(cell);
                w.LastClickedRow = r;
                closeNextModal();
                QTest::mouseClick(w.AbsGrid->viewport(), Qt::LeftButton, {}, w.AbsGrid->visualRect(cell).center());
                ++edits;
                break;
            }
            case 4: case 5: w.AddItem1->trigger(); break;
            case 6: case 7:
                w.selectRow(1 + below(std::max(rows, 1)));
                w.DeleteItem1->trigger();
                break;
            case 8:
                w.Save1->trigger();
                ++saves;
                break;
            case 9:
                desktop.files.push_back(Q(reports[static_cast<std::size_t>(below(3))]));
                closeNextModal();
                w.Import1->trigger();
                ++syncs;
                break;
        }
        desktop.take();
        ASSERT_EQ(w.gridModel().rowCount(), w.absences().absenceCount()) << "cycle " << cycle;
    }
    w.Save1->trigger();
    EXPECT_FALSE(w.FileChanged);
    EXPECT_EQ(ReadToolBoxFile(path).table, w.absences());
    EXPECT_GT(edits, kCycles / 5);
    EXPECT_GT(syncs, kCycles / 20);
    EXPECT_GT(saves, kCycles / 20);
}

}  // namespace
}  // namespace zorozod::test
