#include "dialogs/EditBox.h"

#include <QValidator>

namespace zorozod {

// Reworks each edit of an EditBox: finds the part the edit inserted (between
// what it left alone at either end) and makes that part fit a cell.
class EditBoxInput : public QValidator {
public:
    explicit EditBoxInput(EditBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& pos) const override {
        if (box_->programmatic_) return Acceptable;
        const QString& old = box_->accepted_;
        qsizetype prefix = 0;
        while (prefix < old.size() && prefix < input.size() && old[prefix] == input[prefix]) ++prefix;
        qsizetype suffix = 0;
        while (suffix < old.size() - prefix && suffix < input.size() - prefix &&
               old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        QString inserted = input.mid(prefix, input.size() - prefix - suffix);
        inserted.remove(QLatin1Char('\r'));
        inserted.remove(QLatin1Char('\n'));
        if (box_->capitals_)
            for (QChar& ch : inserted) ch = ch.toUpper();
        if (box_->limit_ > 0) {
            const qsizetype kept = prefix + suffix;
            const qsizetype room = std::max<qsizetype>(box_->limit_ - kept, 0);
            if (inserted.size() > room) inserted.truncate(room);
        }
        const QString result = input.left(prefix) + inserted + input.right(suffix);
        if (result != input) {
            input = result;
            pos = static_cast<int>(prefix + inserted.size());
        }
        return Acceptable;
    }

private:
    EditBox* box_;
};

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new EditBoxInput(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

void EditBox::setCellText(const QString& text) {
    programmatic_ = true;
    setText(text);
    programmatic_ = false;
    accepted_ = text;
}

void EditBox::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

QColor EditBox::background() const { return palette().color(QPalette::Base); }

}  // namespace zorozod
