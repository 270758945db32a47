#include "platform/QtDesktop.h"

#include "model/Error.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <exception>

namespace zorozod {

namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

int Ask(const QString& caption, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton escape) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, Owner());
    box.setEscapeButton(escape);
    return box.exec();
}

}  // namespace

void RunCommand(Desktop& desktop, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        desktop.showError(QString::fromLocal8Bit(e.what()));
    }
}

void QtDesktop::notify(const QString& caption, const QString& text) {
    Ask(caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDesktop::askYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, Owner());
    // Neither answer can be given by closing the box.
    box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    return box.exec() == QMessageBox::Yes;
}

Desktop::Answer QtDesktop::askYesNoCancel(const QString& caption, const QString& text) {
    switch (Ask(caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

std::optional<QString> QtDesktop::chooseFileToOpen(const FileDialogSetup& setup) {
    QFileDialog dialog(Owner(), setup.title, setup.initialPath);  // a file's path opens its folder
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(setup.filters);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDesktop::chooseFileToSave(const FileDialogSetup& setup) {
    QFileDialog dialog(Owner(), setup.title, setup.initialPath);  // a file's path opens its folder
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(setup.filters);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDesktop::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok, Owner());
    box.exec();
}

bool QtDesktop::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, Owner());
    return dialog.exec() == QDialog::Accepted;
}

QDateTime QtDesktop::now() { return QDateTime::currentDateTime(); }

QString QtDesktop::shortDatePattern() { return QLocale().dateFormat(QLocale::ShortFormat); }

QString QtDesktop::longTimePattern() { return QLocale().timeFormat(QLocale::LongFormat); }

}  // namespace zorozod
