// The print preview: the absence table as a fixed-pitch text report,
// read-only, with Print, Copy to Clipboard and Close.
#pragma once

#include "dialogs/TextView.h"
#include "platform/Desktop.h"

#include <QDialog>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace zorozod {

class TPrintingForm : public QDialog {
    Q_OBJECT
public:
    // Builds the report once from the main window's table.
    TPrintingForm(QWidget* owner, Desktop& desktop);

    TextView* RichEdit1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* CopytoClipboard1 = nullptr;
    QAction* Close1 = nullptr;
    QToolButton* ToolButton1 = nullptr;  // "&File"
    QToolBar* ToolBar2 = nullptr;

    void Print1Click();
    void CopytoClipboard1Click();
    void Close1Click();

private:
    Desktop& desktop_;
};

}  // namespace zorozod
