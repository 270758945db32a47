// A one-line edit box for a cell's text. What the user types or pastes is
// taken as a cell can hold it: line breaks are dropped (a toolbox file could
// not store them), letters become capitals where asked, and a length limit
// holds for input only, so a longer text put in by the program stays whole.
#pragma once

#include <QLineEdit>

namespace zorozod {

class EditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent = nullptr);

    // At most this many characters can be typed or pasted; 0 for no limit.
    void setInputLimit(int characters) { limit_ = characters; }
    void setCapitals(bool capitals) { capitals_ = capitals; }

    // Puts text in the box as it stands, past every input rule.
    void setCellText(const QString& text);

    // The background colour of the box.
    void setBackground(const QColor& colour);
    QColor background() const;

private:
    friend class EditBoxInput;
    // The text the box held before the edit under way.
    QString accepted_;
    int limit_ = 0;
    bool capitals_ = false;
    bool programmatic_ = false;
};

}  // namespace zorozod
