#include "ScriptedDesktop.h"

#include <gtest/gtest.h>

namespace zorozod::test {

namespace {

template <class T>
T Next(std::deque<T>& answers, const std::string& asked, T fallback) {
    if (answers.empty()) {
        ADD_FAILURE() << "no scripted answer for " << asked;
        return fallback;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

std::vector<std::string> ScriptedDesktop::take() {
    std::vector<std::string> all;
    all.swap(shown);
    return all;
}

void ScriptedDesktop::record(const QString& caption, const std::string& entry) {
    // A caption other than the program's usual one is part of what was shown.
    shown.push_back(caption == expectedCaption ? entry : "[" + caption.toStdString() + "] " + entry);
}

void ScriptedDesktop::notify(const QString& caption, const QString& text) {
    record(caption, "notify: " + text.toStdString());
}

bool ScriptedDesktop::askYesNo(const QString& caption, const QString& text) {
    record(caption, "yesno: " + text.toStdString());
    return Next(yesNo, shown.back(), false);
}

Desktop::Answer ScriptedDesktop::askYesNoCancel(const QString& caption, const QString& text) {
    record(caption, "yesnocancel: " + text.toStdString());
    return Next(yesNoCancel, shown.back(), Answer::Cancel);
}

std::optional<QString> ScriptedDesktop::chooseFileToOpen(const FileDialogSetup& setup) {
    shown.push_back("open: " + setup.title.toStdString());
    dialogs.push_back(setup);
    const QString file = Next(files, shown.back(), kCancelled);
    return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
}

std::optional<QString> ScriptedDesktop::chooseFileToSave(const FileDialogSetup& setup) {
    shown.push_back("save");
    dialogs.push_back(setup);
    const QString file = Next(files, shown.back(), kCancelled);
    return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
}

void ScriptedDesktop::showError(const QString& text) { shown.push_back("error: " + text.toStdString()); }

bool ScriptedDesktop::choosePrinter(QPrinter&) {
    shown.push_back("printer");
    return Next(printers, shown.back(), false);
}

}  // namespace zorozod::test
