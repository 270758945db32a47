// The Sync Info window: the log of a synchronisation run, read-only, with
// Copy to Clipboard and OK.
#pragma once

#include "dialogs/TextView.h"

#include "dialogs/OkOnlyDialog.h"

#include <string_view>

class QPushButton;
class QFrame;

namespace zorozod {


class TInfoForm : public OkOnlyDialog {
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* owner);

    TextView* RichEdit1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;     // OK
    QPushButton* CopyButton = nullptr;  // Copy to Clipboard

    // The log: its lines top to bottom, each followed by a line feed.
    void setLog(std::string_view text);
    void CopyButtonClick();
};

}  // namespace zorozod
