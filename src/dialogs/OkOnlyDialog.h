// A fixed dialog whose caption bar offers no way out: Esc and closing do
// nothing, only its own OK (accept) ends it.
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>

namespace zorozod {

class OkOnlyDialog : public QDialog {
public:
    explicit OkOnlyDialog(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Escape) QDialog::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (result() != QDialog::Accepted) event->ignore();
    }
};

}  // namespace zorozod
