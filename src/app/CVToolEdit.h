// The main window: the absence grid and the document it edits, with every
// command of the program.
#pragma once

#include "app/AbsenceGridModel.h"
#include "model/AbsenceTable.h"
#include "platform/Desktop.h"
#include "settings/SettingsStore.h"

#include <QMainWindow>
#include <QTableView>

#include <string>

class QAction;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace zorozod {

// The absence grid. A press of any mouse button over a cell reaches
// `mouseDown`; the main button first moves the selection as usual, the
// other buttons leave it alone. A double click counts as a second press.
class AbsenceGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, const QPoint& position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TCVToolBoxEdit : public QMainWindow {
    Q_OBJECT
public:
    TCVToolBoxEdit(Desktop& desktop, SettingsStore& settings, QWidget* parent = nullptr);
    ~TCVToolBoxEdit() override;

    // Menus and their items, reached through the caption buttons of MenuToolBar.
    QMenu* FileSync = nullptr;
    QMenu* Edit1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Import1 = nullptr;
    QAction* FilePrint = nullptr;
    QAction* Exit1 = nullptr;
    QAction* AddItem1 = nullptr;
    QAction* DeleteItem1 = nullptr;
    QAction* About1 = nullptr;

    QToolBar* MenuToolBar = nullptr;
    QToolButton* ToolButton10 = nullptr;  // "&File"
    QToolButton* ToolButton11 = nullptr;  // "&Edit"
    QToolButton* ToolButton12 = nullptr;  // "&Help"
    QToolBar* SpeedButtonsToolBar = nullptr;
    AbsenceGrid* AbsGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    FileDialogSetup OpenDialog1;
    FileDialogSetup SaveDialog1;
    FileDialogSetup OpenDialog2;

    // The document.
    int EditRow = 0;
    int LastClickedRow = 1;
    bool FileChanged = false;
    std::string CurrentFileName;
    int LastBackupDay = 0;
    int LastBackupMonth = 0;
    int LastBackupYear = 0;

    const AbsenceTable& absences() const { return table_; }
    AbsenceGridModel& gridModel() { return *model_; }
    // The grid's selected row (1..N), or 0 when the table has no absence rows.
    int selectedRow() const;
    void selectRow(int row);

    // Reads a toolbox file into the grid; false, after its message, when the
    // file is refused or cannot be read, and then nothing has changed.
    bool LoadToolBoxFile(const std::string& path);
    // CheckAbsenceRow for rows 1 to N.
    void validateAllRows();

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Import1Click();
    void FilePrintClick();
    void Exit1Click();
    void AddItem1Click();
    void DeleteItem1Click();
    void About1Click();
    void AbsGridMouseDown(Qt::MouseButton button, const QPoint& position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    QAction* action(const QString& caption, const QString& name, const QIcon& icon, void (TCVToolBoxEdit::*handler)());
    void setTitle();
    void readStartupSettings();
    // Save and Save As: true when the file was written.
    bool save();
    bool saveAs();
    // The close question and the placement; false when the window stays open.
    bool FormClose();
    void openEditAbsence();

    Desktop& desktop_;
    SettingsStore& settings_;
    AbsenceTable table_;
    AbsenceGridModel* model_ = nullptr;
};

// The main window, for the windows it opens.
extern TCVToolBoxEdit* CVToolBoxEdit;

}  // namespace zorozod
