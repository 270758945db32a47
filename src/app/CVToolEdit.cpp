#include "app/CVToolEdit.h"

#include "dialogs/AboutForm.h"
#include "dialogs/EditAbsence.h"
#include "file/DailyBackup.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "platform/CellText.h"
#include "platform/Look.h"
#include "print/Printing.h"
#include "sync/SyncCommand.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QToolBar>
#include <QToolButton>


namespace zorozod {

TCVToolBoxEdit* CVToolBoxEdit = nullptr;

namespace {

const QString kUntitledTitle = QStringLiteral("ZoroZod Editor - Untitled");
const QString kTitlePrefix = QStringLiteral("ZoroZod Editor - ");
const QString kSaveChangesQuestion = QStringLiteral("Do you want to Save the Changes made to this File.");
const QString kSaveBeforeOpenQuestion =
    QStringLiteral("Do you want to Save the Changes made to this File before Opening Another File");
const QString kNewFileQuestion = QStringLiteral("Do you want to Create a New File.");
const QString kErrorsWarning = QStringLiteral(
    "There are Errors in the Absences. Please Correct them before Importing into Corvane. Saving File");
const QString kSelectRowFirst = QStringLiteral("You Need to Select a Row to Delete First");
const QString kKeepOneAbsence = QStringLiteral("You Must Have at least One Absence");

constexpr int kRowHeight = 20;
constexpr int kStatusBarHeight = 18;

// A 16 x 16 picture of a plus or a minus sign, for Add Item and Delete Item.
QIcon SignIcon(bool plus, const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(2, 6, 12, 4);
    if (plus) painter.drawRect(6, 2, 4, 12);
    return QIcon(pixmap);
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), QApplication::style()->standardIcon(fallback));
}

// Paints the heading of the fixed first column on the grid's corner button.
class CornerHeading : public QObject {
public:
    CornerHeading(QAbstractButton* corner, QString text) : QObject(corner), corner_(corner), text_(std::move(text)) {
        corner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != corner_ || event->type() != QEvent::Paint) return false;
        QPainter painter(corner_);
        QStyleOptionHeader option;
        option.initFrom(corner_);
        // the corner takes no clicks but reads like any heading
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = text_;
        option.textAlignment = Qt::AlignCenter;
        corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
        return true;
    }

private:
    QAbstractButton* corner_;
    QString text_;
};

SaveTime ToSaveTime(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace

void AbsenceGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) QTableView::mousePressEvent(event);
    Q_EMIT mouseDown(event->button(), event->position().toPoint());
}

void AbsenceGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) QTableView::mousePressEvent(event);
    Q_EMIT mouseDown(event->button(), event->position().toPoint());
}

TCVToolBoxEdit::TCVToolBoxEdit(Desktop& desktop, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop), settings_(settings) {
    CVToolBoxEdit = this;
    table_.setRowCount(2);
    buildWindow();
    selectRow(1);
    setTitle();
    readStartupSettings();
}

TCVToolBoxEdit::~TCVToolBoxEdit() {
    if (CVToolBoxEdit == this) CVToolBoxEdit = nullptr;
    // The grid and its model read the table, which goes before the window's children do.
    delete AbsGrid;
    delete model_;
}

QAction* TCVToolBoxEdit::action(const QString& caption, const QString& name, const QIcon& icon,
                                void (TCVToolBoxEdit::*handler)()) {
    auto* item = new QAction(icon, caption, this);
    item->setObjectName(name);
    item->setToolTip(QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    connect(item, &QAction::triggered, this, [this, handler] { RunCommand(desktop_, [this, handler] { (this->*handler)(); }); });
    return item;
}

void TCVToolBoxEdit::buildWindow() {
    setFont(WindowFont());

    const QIcon aboutIcon = ThemeIcon("help-about", QStyle::SP_MessageBoxInformation);
    New1 = action(QStringLiteral("&New"), QStringLiteral("New1"), ThemeIcon("document-new", QStyle::SP_FileIcon),
                  &TCVToolBoxEdit::New1Click);
    Open1 = action(QStringLiteral("&Open..."), QStringLiteral("Open1"),
                   ThemeIcon("document-open", QStyle::SP_DialogOpenButton), &TCVToolBoxEdit::Open1Click);
    Save1 = action(QStringLiteral("&Save"), QStringLiteral("Save1"),
                   ThemeIcon("document-save", QStyle::SP_DialogSaveButton), &TCVToolBoxEdit::Save1Click);
    SaveAs1 = action(QStringLiteral("Save&As..."), QStringLiteral("SaveAs1"),
                     ThemeIcon("document-save-as", QStyle::SP_DriveFDIcon), &TCVToolBoxEdit::SaveAs1Click);
    Import1 = action(QStringLiteral("S&ync from Transaction Code Report..."), QStringLiteral("Import1"), QIcon(),
                     &TCVToolBoxEdit::Import1Click);
    FilePrint = action(QStringLiteral("&Print..."), QStringLiteral("FilePrint"), QIcon(), &TCVToolBoxEdit::FilePrintClick);
    Exit1 = action(QStringLiteral("E&xit"), QStringLiteral("Exit1"), QIcon(), &TCVToolBoxEdit::Exit1Click);
    AddItem1 = action(QStringLiteral("Add Item"), QStringLiteral("AddItem1"), SignIcon(true, QColor(0, 128, 0)),
                      &TCVToolBoxEdit::AddItem1Click);
    DeleteItem1 = action(QStringLiteral("Delete Item"), QStringLiteral("DeleteItem1"),
                         SignIcon(false, QColor(192, 0, 0)), &TCVToolBoxEdit::DeleteItem1Click);
    About1 = action(QStringLiteral("&About"), QStringLiteral("About1"), aboutIcon, &TCVToolBoxEdit::About1Click);

    FileSync = new QMenu(QStringLiteral("&File"), this);
    FileSync->setObjectName(QStringLiteral("FileSync"));
    FileSync->addActions({New1, Open1, Save1, SaveAs1});
    FileSync->addSeparator()->setObjectName(QStringLiteral("N1"));
    FileSync->addAction(Import1);
    FileSync->addSeparator()->setObjectName(QStringLiteral("N2"));
    FileSync->addAction(FilePrint);
    FileSync->addSeparator()->setObjectName(QStringLiteral("N3"));
    FileSync->addAction(Exit1);
    Edit1 = new QMenu(QStringLiteral("&Edit"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->addActions({AddItem1, DeleteItem1});
    Help1 = new QMenu(QStringLiteral("&Help"), this);
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->addAction(About1);

    MenuToolBar = new QToolBar(QStringLiteral("MenuToolBar"), this);
    MenuToolBar->setObjectName(QStringLiteral("MenuToolBar"));
    MenuToolBar->setMovable(false);
    MenuToolBar->setFloatable(false);
    MenuToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    MenuToolBar->toggleViewAction()->setVisible(false);
    ToolButton10 = AddMenuCaptionButton(MenuToolBar, FileSync, QStringLiteral("ToolButton10"));
    ToolButton11 = AddMenuCaptionButton(MenuToolBar, Edit1, QStringLiteral("ToolButton11"));
    ToolButton12 = AddMenuCaptionButton(MenuToolBar, Help1, QStringLiteral("ToolButton12"));
    addToolBar(Qt::TopToolBarArea, MenuToolBar);
    addToolBarBreak(Qt::TopToolBarArea);

    SpeedButtonsToolBar = new QToolBar(QStringLiteral("SpeedButtonsToolBar"), this);
    SpeedButtonsToolBar->setObjectName(QStringLiteral("SpeedButtonsToolBar"));
    SpeedButtonsToolBar->setMovable(false);
    SpeedButtonsToolBar->setFloatable(false);
    SpeedButtonsToolBar->setIconSize(QSize(16, 16));
    SpeedButtonsToolBar->toggleViewAction()->setVisible(false);
    SpeedButtonsToolBar->addActions({New1, Open1, Save1, SaveAs1});
    SpeedButtonsToolBar->addSeparator();
    SpeedButtonsToolBar->addActions({AddItem1, DeleteItem1});
    SpeedButtonsToolBar->addSeparator();
    SpeedButtonsToolBar->addAction(About1);
    addToolBar(Qt::TopToolBarArea, SpeedButtonsToolBar);
    setContextMenuPolicy(Qt::NoContextMenu);  // the tool bars stay as they are

    model_ = new AbsenceGridModel(table_, this);
    AbsGrid = new AbsenceGrid(this);
    AbsGrid->setObjectName(QStringLiteral("AbsGrid"));
    AbsGrid->setModel(model_);
    AbsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    AbsGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    AbsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AbsGrid->setShowGrid(true);
    AbsGrid->setWordWrap(false);
    AbsGrid->setCornerButtonEnabled(false);
    QPalette palette = AbsGrid->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    AbsGrid->setPalette(palette);

    QHeaderView* headings = AbsGrid->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setFixedHeight(kRowHeight);
    for (int c = 0; c < model_->columnCount(); ++c)
        AbsGrid->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(AbsenceGridModel::tableColumn(c))]);

    // The fixed first column: it shows the 3-char codes, stays in view, is
    // never selected, and moves a row when its cell is dragged elsewhere.
    QHeaderView* fixedColumn = AbsGrid->verticalHeader();
    fixedColumn->setSectionResizeMode(QHeaderView::Fixed);
    fixedColumn->setDefaultSectionSize(kRowHeight);
    fixedColumn->setMinimumSectionSize(kRowHeight);
    fixedColumn->setFixedWidth(kColumnWidths[kThreeCharCode]);
    fixedColumn->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fixedColumn->setSectionsClickable(false);
    fixedColumn->setHighlightSections(false);
    fixedColumn->setSectionsMovable(true);
    connect(fixedColumn, &QHeaderView::sectionMoved, this, [this, fixedColumn](int, int from, int to) {
        // The grid moves the row itself, not just the way it is shown.
        {
            const QSignalBlocker blocker(fixedColumn);
            fixedColumn->moveSection(to, from);
        }
        model_->moveRows({}, from, 1, {}, to > from ? to + 1 : to);
    });
    if (auto* corner = AbsGrid->findChild<QAbstractButton*>())
        new CornerHeading(corner, CellToText(table_.cell(0, kThreeCharCode)));
    connect(AbsGrid, &AbsenceGrid::mouseDown, this, [this](Qt::MouseButton button, const QPoint& position) {
        RunCommand(desktop_, [&] { AbsGridMouseDown(button, position); });
    });
    setCentralWidget(AbsGrid);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(kStatusBarHeight);
    setStatusBar(StatusBar1);

    OpenDialog1.filters = {QStringLiteral("Corvane Tool Box Absences (*.box)"), QStringLiteral("All Files (*.*)")};
    OpenDialog1.defaultSuffix = QStringLiteral("box");
    SaveDialog1.filters = {QStringLiteral("Corvane Toolbox Absences (*.box)")};
    SaveDialog1.defaultSuffix = QStringLiteral("box");
    OpenDialog2.title = QStringLiteral("Sync from Transaction Report");
    OpenDialog2.filters = {QStringLiteral("Transaction Code Report (*.LIS)"), QStringLiteral("All Files (*.*)")};
    OpenDialog2.defaultSuffix = QStringLiteral("LIS");
    OpenDialog2.mustExist = false;
}

void TCVToolBoxEdit::setTitle() {
    setWindowTitle(CurrentFileName.empty() ? kUntitledTitle : kTitlePrefix + PathToText(CurrentFileName));
}

void TCVToolBoxEdit::readStartupSettings() {
    const StartupSettings stored = ReadStartupSettings(settings_);
    LastBackupDay = stored.backupDay;
    LastBackupMonth = stored.backupMonth;
    LastBackupYear = stored.backupYear;
    if (!stored.lastDir.empty()) {
        // The last file is reopened only when it can be opened for reading.
        if (CanOpenForReading(stored.lastDir) && LoadToolBoxFile(stored.lastDir)) CurrentFileName = stored.lastDir;
    }
    move(stored.x, stored.y);
    resize(stored.w, stored.h);
}

int TCVToolBoxEdit::selectedRow() const {
    const QModelIndex current = AbsGrid->selectionModel()->currentIndex();
    return current.isValid() ? AbsenceGridModel::gridRow(current.row()) : 0;
}

void TCVToolBoxEdit::selectRow(int row) {
    if (row < 1 || row > table_.absenceCount()) return;
    const int column = std::max(AbsGrid->selectionModel()->currentIndex().column(), 0);
    AbsGrid->selectionModel()->setCurrentIndex(model_->index(row - 1, column),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool TCVToolBoxEdit::LoadToolBoxFile(const std::string& path) {
    ToolBoxReadResult read = ReadToolBoxFile(path);
    switch (read.outcome) {
        case ToolBoxReadOutcome::Refused:
            desktop_.notify(kMessageCaption, CellToText(kNotAToolBoxMessage));
            return false;
        case ToolBoxReadOutcome::Error:
            desktop_.notify(kMessageCaption,
                            CellToText(kErrorOpeningFileMessage));
            return false;
        case ToolBoxReadOutcome::Loaded: break;
    }
    model_->replaceTable(std::move(read.table));
    selectRow(1);
    setWindowTitle(kTitlePrefix + PathToText(path));
    return true;
}

void TCVToolBoxEdit::validateAllRows() {
    ValidateAllRows(table_);
    model_->errorsChanged();
}

bool TCVToolBoxEdit::save() {
    if (CurrentFileName.empty()) return saveAs();
    if (AnyRowHasErrors(table_)) desktop_.notify(kMessageCaption, kErrorsWarning);
    const SaveTime time = ToSaveTime(desktop_.now());
    const DatePatterns patterns{desktop_.shortDatePattern().toStdString(), desktop_.longTimePattern().toStdString()};
    BackupDate backup{LastBackupDay, LastBackupMonth, LastBackupYear};
    auto keepBackupDate = [&] {
        LastBackupDay = backup.day;
        LastBackupMonth = backup.month;
        LastBackupYear = backup.year;
    };
    try {
        SaveWithDailyBackup(CurrentFileName, table_, time, patterns, backup, settings_);
    } catch (...) {
        keepBackupDate();  // a date already stored stays the working one
        throw;
    }
    keepBackupDate();
    FileChanged = false;
    return true;
}

bool TCVToolBoxEdit::saveAs() {
    const auto chosen = desktop_.chooseFileToSave(SaveDialog1);
    if (!chosen) return false;
    CurrentFileName = TextToPath(*chosen);
    save();
    setTitle();
    Guarded([&] {
        SettingsKey key(settings_);
        key->writeText(setting::kLastDir, CurrentFileName);
    });
    return true;
}

void TCVToolBoxEdit::New1Click() {
    if (!desktop_.askYesNo(kMessageCaption, kNewFileQuestion)) return;
    if (FileChanged) {
        const auto answer = desktop_.askYesNoCancel(kMessageCaption, kSaveChangesQuestion);
        if (answer == Desktop::Answer::Cancel) return;
        if (answer == Desktop::Answer::Yes && !save()) return;
    }
    AbsenceTable empty;
    empty.setRowCount(2);
    model_->replaceTable(std::move(empty));
    selectRow(1);
    CurrentFileName.clear();
    setTitle();
    FileChanged = false;
}

void TCVToolBoxEdit::Open1Click() {
    if (FileChanged && desktop_.askYesNo(kMessageCaption, kSaveBeforeOpenQuestion) && !save()) return;
    OpenDialog1.initialPath.clear();
    Guarded([&] {
        SettingsKey key(settings_);
        const std::string lastDir = key->readText(setting::kLastDir);
        if (!lastDir.empty()) OpenDialog1.initialPath = PathToText(lastDir);
    });
    const auto chosen = desktop_.chooseFileToOpen(OpenDialog1);
    if (!chosen) return;
    const std::string path = TextToPath(*chosen);
    if (LoadToolBoxFile(path)) {
        CurrentFileName = path;
        validateAllRows();
        FileChanged = false;
        selectRow(1);
        LastClickedRow = 1;
    }
    SettingsKey key(settings_);
    key->writeText(setting::kLastDir, path);
}

void TCVToolBoxEdit::Save1Click() { save(); }

void TCVToolBoxEdit::SaveAs1Click() { saveAs(); }

void TCVToolBoxEdit::Import1Click() { RunSyncCommand(*this, desktop_, settings_); }

void TCVToolBoxEdit::FilePrintClick() {
    TPrintingForm preview(this, desktop_);
    preview.exec();
}

void TCVToolBoxEdit::About1Click() {
    TAbout about(this);
    about.exec();
}

void TCVToolBoxEdit::openEditAbsence() {
    if (EditRow < 1 || EditRow > table_.absenceCount()) return;  // no row is selected to edit
    TEditAbsenceForm dialog(this);
    dialog.exec();
}

void TCVToolBoxEdit::Exit1Click() { close(); }

void TCVToolBoxEdit::AddItem1Click() {
    model_->appendRow();
    validateAllRows();
    FileChanged = true;
}

void TCVToolBoxEdit::DeleteItem1Click() {
    const int row = selectedRow();
    if (row < 1) {
        desktop_.notify(kMessageCaption, kSelectRowFirst);
        return;
    }
    if (table_.rowCount() < 3) {
        desktop_.notify(kMessageCaption, kKeepOneAbsence);
        return;
    }
    model_->removeRow(row);
    selectRow(std::min(row, table_.absenceCount()));
    FileChanged = true;
}

void TCVToolBoxEdit::AbsGridMouseDown(Qt::MouseButton, const QPoint& position) {
    const QModelIndex cell = AbsGrid->indexAt(position);
    if (!cell.isValid()) return;  // the headings and the fixed column are not cells of the viewport
    const int row = AbsenceGridModel::gridRow(cell.row());
    if (row == LastClickedRow) {
        EditRow = selectedRow();
        openEditAbsence();
        validateAllRows();
        FileChanged = true;
    }
    LastClickedRow = row;
}

bool TCVToolBoxEdit::FormClose() {
    if (FileChanged) {
        const auto answer = desktop_.askYesNoCancel(kMessageCaption, kSaveChangesQuestion);
        if (answer == Desktop::Answer::Cancel) return false;
        if (answer == Desktop::Answer::Yes && !save()) return false;
    }
    Guarded([&] {
        SettingsKey key(settings_);
        key->writeInteger(setting::kX, x());
        key->writeInteger(setting::kY, y());
        key->writeInteger(setting::kW, width());
        key->writeInteger(setting::kH, height());
    });
    return true;
}

void TCVToolBoxEdit::closeEvent(QCloseEvent* event) {
    bool closing = false;
    RunCommand(desktop_, [&] { closing = FormClose(); });
    if (closing)
        event->accept();
    else
        event->ignore();
}

}  // namespace zorozod
