#include "dialogs/InfoDialog.h"

#include "platform/CellText.h"
#include "platform/Look.h"

#include <QFrame>
#include <QPushButton>

namespace zorozod {

TInfoForm::TInfoForm(QWidget* owner) : OkOnlyDialog(owner) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Sync Info"));
    setFont(WindowFont());
    setFixedSize(795, 466);
    move(258, 155);

    RichEdit1 = new TextView(QStringLiteral("\r\n"), this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(0, 0, 795, 424);
    RichEdit1->setFont(FixedPitchFont(8));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 424, 795, 42);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Button1 = new QPushButton(QStringLiteral("OK"), Panel1);
    Button1->setGeometry(711, 8, 75, 25);
    CopyButton = new QPushButton(QStringLiteral("Copy to Clipboard"), Panel1);
    CopyButton->setGeometry(8, 8, 113, 25);
    for (QPushButton* button : {Button1, CopyButton}) button->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(CopyButton, &QPushButton::clicked, this, &TInfoForm::CopyButtonClick);
    setTabOrder(RichEdit1, Button1);
    setTabOrder(Button1, CopyButton);
}

void TInfoForm::setLog(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);  // the view breaks lines itself
    RichEdit1->setPlainText(CellToText(text));
}

void TInfoForm::CopyButtonClick() {
    RichEdit1->copyAllToClipboard();
}

}  // namespace zorozod
