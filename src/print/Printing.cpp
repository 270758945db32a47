#include "print/Printing.h"

#include "app/CVToolEdit.h"
#include "model/Error.h"
#include "platform/CellText.h"
#include "platform/Look.h"
#include "print/ReportLines.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorozod {

namespace {

QPixmap Picture(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// The pictures of the commands: a printer, a red circle with a white cross, a stack of sheets.
QIcon PrinterPicture() {
    return QIcon(Picture([](QPainter& p) {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 6);  // the sheet going in
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(1, 6, 14, 6, 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 8, 5);  // the sheet coming out
    }));
}

QIcon ClosePicture() {
    return QIcon(Picture([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(1, 1, 14, 14);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(5, 5, 11, 11);
        p.drawLine(11, 5, 5, 11);
    }));
}

QIcon SheetsPicture() {
    return QIcon(Picture([](QPainter& p) {
        p.setPen(QColor(60, 60, 60));
        for (int i = 2; i >= 0; --i) {
            p.setBrush(i == 0 ? QColor(Qt::white) : QColor(225, 225, 225));
            p.drawRect(1 + 3 * i, 1 + 2 * (2 - i), 9, 11);
        }
    }));
}

QString ReportText() {
    QString text;
    bool first = true;
    for (std::string& line : BuildReportLines(CVToolBoxEdit->absences())) {
        line.pop_back();  // its own line feed: the view holds it ahead of each line break
        if (!first) text += QLatin1Char('\n');
        text += CellToText(line);
        first = false;
    }
    return text;
}

}  // namespace

TPrintingForm::TPrintingForm(QWidget* owner, Desktop& desktop)
    : QDialog(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), desktop_(desktop) {
    setObjectName(QStringLiteral("PrintingForm"));
    setWindowTitle(QStringLiteral("ZoroZod Editor - Printing"));
    setFont(WindowFont());
    resize(870, 500);
    move(273, 147);

    Print1 = new QAction(PrinterPicture(), QStringLiteral("Print"), this);
    CopytoClipboard1 = new QAction(SheetsPicture(), QStringLiteral("Copy to Clipboard"), this);
    Close1 = new QAction(ClosePicture(), QStringLiteral("Close"), this);
    Print1->setObjectName(QStringLiteral("Print1"));
    CopytoClipboard1->setObjectName(QStringLiteral("CopytoClipboard1"));
    Close1->setObjectName(QStringLiteral("Close1"));
    connect(Print1, &QAction::triggered, this, [this] { RunCommand(desktop_, [this] { Print1Click(); }); });
    connect(CopytoClipboard1, &QAction::triggered, this, &TPrintingForm::CopytoClipboard1Click);
    connect(Close1, &QAction::triggered, this, &TPrintingForm::Close1Click);
    File1 = new QMenu(QStringLiteral("&File"), this);
    File1->addActions({Print1, CopytoClipboard1, Close1});

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(25);
    ToolButton1 = AddMenuCaptionButton(ToolBar1, File1, QStringLiteral("ToolButton1"));

    ToolBar2 = new QToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setFixedHeight(27);
    ToolBar2->setIconSize(QSize(16, 16));
    ToolBar2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar2->addActions({Print1, CopytoClipboard1, Close1});

    RichEdit1 = new TextView(QStringLiteral("\n\r\n"), this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(FixedPitchFont(10));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setPlainText(ReportText());
    RichEdit1->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(ToolBar2);
    layout->addWidget(RichEdit1);
}

void TPrintingForm::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!desktop_.choosePrinter(printer)) return;
    const std::string& name = CVToolBoxEdit->CurrentFileName;
    printer.setDocName(name.empty() ? QStringLiteral("Untitled") : PathToText(name));
    // The whole text, in the font it has on screen, from the top left corner
    // of the printable page onwards, page after page; nothing is added.
    QTextDocument document;
    document.setDefaultFont(RichEdit1->font());
    document.setDocumentMargin(0);
    document.setPlainText(RichEdit1->toPlainText());
    document.setPageSize(printer.pageLayout().paintRect(QPageLayout::Point).size());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) throw ZoroZodError("The report could not be printed");
}

void TPrintingForm::CopytoClipboard1Click() { RichEdit1->copyAllToClipboard(); }

void TPrintingForm::Close1Click() { accept(); }

}  // namespace zorozod
