#include "dialogs/TextView.h"

#include <QMimeData>
#include <QTextDocumentFragment>

namespace zorozod {

TextView::TextView(QString lineEnding, QWidget* parent) : QPlainTextEdit(parent), lineEnding_(std::move(lineEnding)) {}

QString TextView::held(QString text) const {
    if (text.isEmpty()) return text;
    text.replace(QLatin1Char('\n'), lineEnding_);
    return text + lineEnding_;
}

QString TextView::heldText() const { return held(toPlainText()); }

void TextView::copyAllToClipboard() {
    setReadOnly(false);
    selectAll();
    cut();
    paste();
    setReadOnly(true);
}

QMimeData* TextView::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(held(textCursor().selection().toPlainText()));
    return data;
}

void TextView::insertFromMimeData(const QMimeData* source) {
    QString text = source->text();
    text.replace(lineEnding_, QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    textCursor().insertText(text);
}

}  // namespace zorozod
