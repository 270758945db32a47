// The desktop services the windows use: questions and notices, file
// dialogs, the standard error box, the printer, the clock and the locale's
// date and time patterns. The editor runs on QtDesktop; tests hand the
// windows a scripted desktop that answers as a user would.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zorozod {

// The application title: the task bar's name of the program and the caption of its error box.
inline const QString kApplicationTitle = QStringLiteral("Corvane ZoroZod Editor");
// The caption of the program's own message boxes.
inline const QString kMessageCaption = QStringLiteral("Corvane");

struct FileDialogSetup {
    QString title;           // empty: the platform's own
    QStringList filters;     // "Name (*.ext)" entries, the first one selected
    QString defaultSuffix;   // added to a name typed without one
    QString initialPath;     // a file or a folder; empty: the dialog's own default
    bool mustExist = true;   // open dialogs: only an existing file can be chosen
};

class Desktop {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Desktop() = default;

    // A modal notice without icon, with an OK button.
    virtual void notify(const QString& caption, const QString& text) = 0;
    // A question with Yes and No; it cannot be dismissed otherwise.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // A question with Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const QString& caption, const QString& text) = 0;
    // The chosen file's full path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseFileToOpen(const FileDialogSetup& setup) = 0;
    // As above; an existing file is replaced without a question.
    virtual std::optional<QString> chooseFileToSave(const FileDialogSetup& setup) = 0;
    // The standard error box: the application title as caption, an error icon, OK.
    virtual void showError(const QString& text) = 0;
    // The printer setup dialog; false when it was cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;

    virtual QDateTime now() = 0;
    // The user's short date and long time patterns.
    virtual QString shortDatePattern() = 0;
    virtual QString longTimePattern() = 0;
};

// Runs one command of a window. A failure it raises is shown in the
// standard error box and the program goes on; nothing crosses the event loop.
void RunCommand(Desktop& desktop, const std::function<void()>& command);

}  // namespace zorozod
