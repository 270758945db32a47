// A read-only view of lines of text that copies them as the program holds
// them: each line followed by the view's line ending. Text pasted back in
// shows as the same lines.
#pragma once

#include <QPlainTextEdit>

namespace zorozod {

class TextView : public QPlainTextEdit {
    Q_OBJECT
public:
    TextView(QString lineEnding, QWidget* parent = nullptr);

    // The whole text as it is copied: every line followed by the line ending.
    QString heldText() const;
    // Copy to Clipboard: editable, select all, cut, paste back, read-only again.
    void copyAllToClipboard();

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString held(QString text) const;
    QString lineEnding_;
};

}  // namespace zorozod
