// A desktop that answers as a scripted user would and records what it was asked.
#pragma once

#include "platform/Desktop.h"

#include <QDateTime>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zorozod::test {

// The answer of a file dialog that was cancelled.
inline const QString kCancelled;

class ScriptedDesktop : public Desktop {
public:
    // What was shown, one entry each: "notify: TEXT", "yesno: TEXT",
    // "yesnocancel: TEXT", "open: TITLE", "save", "error: TEXT", "printer";
    // a caption other than "Corvane" stands in front: "[CAPTION] notify: TEXT".
    std::vector<std::string> shown;
    std::vector<FileDialogSetup> dialogs;  // the open and save dialogs, as asked

    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    std::deque<QString> files;  // for open and save dialogs alike; kCancelled cancels
    std::deque<bool> printers;

    QDateTime clock = QDateTime(QDate(2007, 12, 9), QTime(14, 5, 33));
    QString datePattern = QStringLiteral("dd/MM/yyyy");
    QString timePattern = QStringLiteral("HH:mm:ss");
    QString expectedCaption = QStringLiteral("Corvane");

    // Everything shown since the last call, and forgets it.
    std::vector<std::string> take();

    void notify(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    Answer askYesNoCancel(const QString& caption, const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogSetup& setup) override;
    std::optional<QString> chooseFileToSave(const FileDialogSetup& setup) override;
    void showError(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;
    QDateTime now() override { return clock; }
    QString shortDatePattern() override { return datePattern; }
    QString longTimePattern() override { return timePattern; }

private:
    void record(const QString& caption, const std::string& entry);
};

}  // namespace zorozod::test
