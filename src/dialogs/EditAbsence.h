// The Edit Absence dialog: one absence row of the main window's grid in
// editing controls. OK writes every field back into the row; Cancel, or any
// other way out, writes nothing.
#pragma once

#include "dialogs/EditBox.h"
#include "model/TimeEntry.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zorozod {

class TEditAbsenceForm : public QDialog {
    Q_OBJECT
public:
    // Edits the row the main window names in its EditRow.
    explicit TEditAbsenceForm(QWidget* owner);

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* PilotRadioButton = nullptr;
    QRadioButton* CabinRadioButton = nullptr;
    EditBox* ThreeCharEdit = nullptr;
    EditBox* TwoCharEdit = nullptr;
    EditBox* DescriptionEdit = nullptr;
    EditBox* OnEdit = nullptr;
    EditBox* OffEdit = nullptr;
    EditBox* CreditEdit = nullptr;
    EditBox* HardEdit = nullptr;
    QCheckBox* IsDutyCheckBox = nullptr;
    QCheckBox* IsCarsDutyCheckBox = nullptr;
    QCheckBox* InsideWindowCheckBox = nullptr;
    QCheckBox* DisplayInToolBoxCheckBox = nullptr;
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // Cancel

    // The row this dialog edits, and the last character typed into any time box.
    int AbsenceRow = 0;
    char LastKey = 0;

    // The yellow of a box whose content is incomplete.
    static const QColor kIncomplete;

    void done(int result) override;  // closing: the row is written on OK only

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    bool EditKeyPress(EditBox* box, char key);
    void EditChange(EditBox* box);
    void ThreeCharEditChange();
    void TwoCharEditChange();
    void DescriptionEditChange();
    void markComplete(EditBox* box, bool complete);
    void FormCloseQuery();
};

}  // namespace zorozod
