#pragma once

#include "platform/Desktop.h"

namespace zorozod {

// The real desktop: message boxes, file dialogs, the printer dialog, the
// system clock and the user's locale.
class QtDesktop : public Desktop {
public:
    void notify(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    Answer askYesNoCancel(const QString& caption, const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogSetup& setup) override;
    std::optional<QString> chooseFileToSave(const FileDialogSetup& setup) override;
    void showError(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;
    QDateTime now() override;
    QString shortDatePattern() override;
    QString longTimePattern() override;
};

}  // namespace zorozod
