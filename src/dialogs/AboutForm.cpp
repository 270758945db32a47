#include "dialogs/AboutForm.h"

#include "platform/Look.h"

#include <QLabel>
#include <QPushButton>

namespace zorozod {

namespace {

QFont TitleFont(int points) {
    QFont font;
    font.setFamilies({QStringLiteral("Franklin Gothic Medium"), QStringLiteral("URW Gothic"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

QLabel* Label(const QString& text, int points, QPoint at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(TitleFont(points));
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TAbout::TAbout(QWidget* owner) : OkOnlyDialog(owner) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setFont(WindowFont());
    setFixedSize(236, 134);
    move(370, 219);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(80, 96, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TAbout::BitBtn1Click);
    Label1 = Label(QStringLiteral("Corvane - ZoroZod Editor"), 12, {18, 8}, this);
    Label2 = Label(QStringLiteral("Copyright \u00a9 Ostrelle"), 10, {20, 32}, this);
    VersionLabel = Label(kVersionText, 10, {80, 56}, this);
    BitBtn1->setFocus();
}

void TAbout::BitBtn1Click() { accept(); }

}  // namespace zorozod
