#include "MainWindowFixture.h"

#include "dialogs/AboutForm.h"
#include "print/Printing.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

namespace zorozod::test {
namespace {

namespace fs = std::filesystem;

class Printing : public MainWindowTest {
protected:
    TCVToolBoxEdit& openRows(const AbsenceTable& rows) {
        const std::string path = writeBox("rows.box", rows);
        TCVToolBoxEdit& w = start();
        desktop.files.push_back(Q(path));
        w.Open1->trigger();
        desktop.take();
        return w;
    }
    std::vector<std::string> viewLines(TPrintingForm& form) {
        std::vector<std::string> lines;
        for (QTextBlock b = form.RichEdit1->document()->begin(); b.isValid(); b = b.next())
            lines.push_back(b.text().toStdString());
        return lines;
    }
};

// The desktop hands Print a PDF printer, as a user choosing "Print to File" would.
class PdfDesktop : public ScriptedDesktop {
public:
    std::string file;
    bool choosePrinter(QPrinter& printer) override {
        shown.push_back("printer");
        if (file.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        return true;
    }
};

class PrintToPdf : public testing::Test {
protected:
    TempDir dir;
    FileSettingsStore settings{dir.file("settings.reg")};
    PdfDesktop desktop;
    std::unique_ptr<TCVToolBoxEdit> window;

    TCVToolBoxEdit& open(const AbsenceTable& rows, const std::string& name = "Pilots.box") {
        const std::string path = dir.file(name);
        WriteToolBoxFile(path, rows, "d");
        window = std::make_unique<TCVToolBoxEdit>(desktop, settings);
        desktop.files.push_back(QString::fromStdString(path));
        window->Open1->trigger();
        return *window;
    }
    static std::string Text(const std::string& pdf) { return RunProgram({"/usr/bin/pdftotext", "-layout", pdf, "-"}).out; }
    // One field of pdfinfo's answer, e.g. "Title" or "Pages".
    static std::string Info(const std::string& pdf, const std::string& field) {
        const std::string info = RunProgram({"/usr/bin/pdfinfo", pdf}).out;
        const std::size_t at = info.find(field + ":");
        if (at == std::string::npos) return "";
        const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
        return info.substr(start, info.find('\n', start) - start);
    }
};

TEST_F(Printing, TheViewShowsOneReportLinePerRowAndNoErrors) {
    AbsenceTable rows;
    rows.row(rows.appendRow()) = ValidRow("ANL", "AL");
    rows.row(rows.appendRow()) = AbsenceRow{};
    rows.row(rows.appendRow()) = Row({"ABCDE", "Cabin", "SK", "", "08:00"});
    TCVToolBoxEdit& w = openRows(rows);
    TPrintingForm form(&w, desktop);
    const auto lines = viewLines(form);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "ANL Pilot AL 08:00 17:00 07:30 00:00 N N Y Y Annual Leave");
    EXPECT_EQ(lines[0].substr(4, 6), "Pilot ");
    EXPECT_EQ(lines[1], std::string(45, ' '));
    EXPECT_EQ(lines[2], "ABCDECabin SK 08:00 " + std::string(26, ' '));  // the long code pushes every field along
    EXPECT_FALSE(w.absences().cell(3, kErrors).empty());
    EXPECT_EQ(form.RichEdit1->toPlainText().indexOf(QStringLiteral("Not")), -1);  // the Errors text is never shown
    // the text the view holds: each line, its own line feed, then the view's line break
    EXPECT_EQ(form.RichEdit1->heldText().toStdString(),
              lines[0] + "\n\r\n" + lines[1] + "\n\r\n" + lines[2] + "\n\r\n");
}

TEST_F(Printing, TheWindowIsMadeAsDesigned) {
    TCVToolBoxEdit& w = start();
    TPrintingForm form(&w, desktop);
    form.show();
    EXPECT_EQ(form.windowTitle(), "ZoroZod Editor - Printing");
    EXPECT_EQ(form.size(), QSize(870, 500));
    EXPECT_EQ(form.pos(), QPoint(273, 147));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(form.RichEdit1->isReadOnly());
    EXPECT_EQ(form.RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(form.RichEdit1->font()).fixedPitch());
    EXPECT_EQ(form.RichEdit1->font().pointSize(), 10);
    EXPECT_EQ(form.ToolButton1->text(), "&File");
    QStringList items;
    for (QAction* a : form.ToolButton1->menu()->actions()) items << a->text();
    EXPECT_EQ(items.join('|').toStdString(), "Print|Copy to Clipboard|Close");
    EXPECT_EQ(form.ToolBar2->actions().size(), 3);
    for (QAction* a : form.ToolBar2->actions()) EXPECT_FALSE(a->icon().isNull());
    form.Close1->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Printing, CopyToClipboardCopiesTheWholeTextAndLeavesTheViewAsItWas) {
    TCVToolBoxEdit& w = openRows(test::Table({ValidRow("ANL", "AL"), ValidRow("SCK", "SK", "Cabin")}));
    TPrintingForm form(&w, desktop);
    const QString shown = form.RichEdit1->toPlainText();
    const QString held = form.RichEdit1->heldText();
    for (int copies = 0; copies < 2; ++copies) {
        form.CopytoClipboard1->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), held);
        EXPECT_EQ(form.RichEdit1->toPlainText(), shown);
        EXPECT_TRUE(form.RichEdit1->isReadOnly());
        EXPECT_FALSE(form.RichEdit1->textCursor().hasSelection());
        EXPECT_TRUE(form.RichEdit1->textCursor().atEnd());
    }
}

TEST_F(PrintToPdf, PrintWritesTheWholeReportUnderTheFilesName) {
    AbsenceTable rows;
    for (int i = 100; i < 250; ++i) rows.row(rows.appendRow()) = ValidRow(std::to_string(i), "X");
    TCVToolBoxEdit& w = open(rows);
    TPrintingForm form(&w, desktop);
    desktop.file = dir.file("report.pdf");
    form.Print1->trigger();
    ASSERT_TRUE(fs::exists(desktop.file));
    const std::string text = Text(desktop.file);
    for (int i = 100; i < 250; i += 37) EXPECT_NE(text.find(std::to_string(i) + " Pilot X"), std::string::npos) << i;
    EXPECT_NE(text.find("249 Pilot X"), std::string::npos);
    EXPECT_EQ(text.find("Page"), std::string::npos);  // no heading, footer or page number
    EXPECT_EQ(text.find("Untitled"), std::string::npos);
    EXPECT_EQ(Info(desktop.file, "Title"), w.CurrentFileName);
    EXPECT_EQ(Info(desktop.file, "Pages"), "3");  // 150 lines: as many pages as it takes
}

TEST_F(PrintToPdf, AnUntitledDocumentPrintsAsUntitledAndACancelPrintsNothing) {
    window = std::make_unique<TCVToolBoxEdit>(desktop, settings);
    TPrintingForm form(window.get(), desktop);
    form.Print1->trigger();  // the setup dialog cancelled
    EXPECT_EQ(desktop.take(), std::vector<std::string>{"printer"});
    for (const std::string& name : dir.entries()) EXPECT_EQ(name.find(".pdf"), std::string::npos) << name;
    desktop.file = dir.file("untitled.pdf");
    form.Print1->trigger();
    EXPECT_EQ(Info(desktop.file, "Title"), "Untitled");
    // a print job that fails is reported, and the window stays
    desktop.file = dir.file("no/such/folder/x.pdf");
    form.Print1->trigger();
    EXPECT_EQ(desktop.take(), (std::vector<std::string>{"printer", "printer", "error: The report could not be printed"}));
    window->FileChanged = false;
}

TEST_F(Printing, PrintAndAboutOpenFromTheMainWindowAndChangeNothing) {
    TCVToolBoxEdit& w = openRows(test::Table({ValidRow("ANL", "AL")}));
    std::shared_ptr<std::string> seen = std::make_shared<std::string>();
    OnNextModal([seen](QWidget* modal) {
        auto* form = qobject_cast<TPrintingForm*>(modal);
        ASSERT_NE(form, nullptr);
        *seen = form->RichEdit1->toPlainText().toStdString();
        form->Close1->trigger();
    });
    w.FilePrint->trigger();
    EXPECT_EQ(*seen, "ANL Pilot AL 08:00 17:00 07:30 00:00 N N Y Y Annual Leave");
    OnNextModal([seen](QWidget* modal) {
        auto* about = qobject_cast<TAbout*>(modal);
        ASSERT_NE(about, nullptr);
        *seen = about->VersionLabel->text().toStdString();
        about->BitBtn1->click();
    });
    w.About1->trigger();
    EXPECT_EQ(*seen, "v2007.05.01");
    EXPECT_FALSE(w.FileChanged);
}

TEST_F(Printing, TheAboutBoxShowsTheVersionAndClosesWithOkOnly) {
    TCVToolBoxEdit& w = start();
    TAbout about(&w);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(236, 134));
    EXPECT_EQ(about.pos(), QPoint(370, 219));
    EXPECT_EQ(about.Label1->text(), "Corvane - ZoroZod Editor");
    EXPECT_FALSE(about.Label2->text().isEmpty());
    EXPECT_EQ(about.VersionLabel->text(), "v2007.05.01");
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    QTest::keyClick(&about, Qt::Key_Escape);
    about.close();
    EXPECT_TRUE(about.isVisible());
    about.BitBtn1->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace zorozod::test
