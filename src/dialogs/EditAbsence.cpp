#include "dialogs/EditAbsence.h"

#include "app/CVToolEdit.h"
#include "platform/CellText.h"
#include "platform/Look.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorozod {

const QColor TEditAbsenceForm::kIncomplete = QColor(255, 255, 0);

namespace {

constexpr QSize kClientSize(177, 363);
constexpr QPoint kPosition(220, 147);

std::string CellOf(const EditBox* box) { return TextToCell(box->text()); }

}  // namespace

TEditAbsenceForm::TEditAbsenceForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    AbsenceRow = CVToolBoxEdit->EditRow;
    setWindowTitle(QStringLiteral("Edit Absence"));
    setObjectName(QStringLiteral("EditAbsenceForm"));
    setFont(WindowFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    GroupBox1 = new QGroupBox(QStringLiteral("Crew Type"), this);
    PilotRadioButton = new QRadioButton(QStringLiteral("Pilot"), GroupBox1);
    CabinRadioButton = new QRadioButton(QStringLiteral("Cabin"), GroupBox1);
    auto* crew = new QHBoxLayout(GroupBox1);
    crew->setContentsMargins(8, 2, 8, 4);
    crew->addWidget(PilotRadioButton);
    crew->addWidget(CabinRadioButton);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(6);
    auto box = [&](const QString& name, const QString& label, int limit, bool capitals) {
        auto* edit = new EditBox(this);
        edit->setObjectName(name);
        edit->setInputLimit(limit);
        edit->setCapitals(capitals);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(edit);
        const int row = fields->rowCount();
        fields->addWidget(caption, row, 0);
        fields->addWidget(edit, row, 1);
        return edit;
    };
    ThreeCharEdit = box(QStringLiteral("ThreeCharEdit"), QStringLiteral("3 Char Code"), 3, true);
    TwoCharEdit = box(QStringLiteral("TwoCharEdit"), QStringLiteral("2 Char Code"), 2, true);
    DescriptionEdit = box(QStringLiteral("DescriptionEdit"), QStringLiteral("Description"), 0, false);
    OnEdit = box(QStringLiteral("OnEdit"), QStringLiteral("On Time"), 0, false);
    OffEdit = box(QStringLiteral("OffEdit"), QStringLiteral("Off Time"), 5, false);
    CreditEdit = box(QStringLiteral("CreditEdit"), QStringLiteral("Credit Time"), 5, false);
    HardEdit = box(QStringLiteral("HardEdit"), QStringLiteral("Hard Time"), 5, false);

    IsDutyCheckBox = new QCheckBox(QStringLiteral("Is Duty"), this);
    IsCarsDutyCheckBox = new QCheckBox(QStringLiteral("Is CARs Duty"), this);
    InsideWindowCheckBox = new QCheckBox(QStringLiteral("Inside Blocking Window"), this);
    DisplayInToolBoxCheckBox = new QCheckBox(QStringLiteral("Display In ZoroZod"), this);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* button : {Button1, Button2}) {
        button->setAutoDefault(false);  // Enter presses neither
        button->setDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(GroupBox1);
    layout->addLayout(fields);
    for (QCheckBox* check : {IsDutyCheckBox, IsCarsDutyCheckBox, InsideWindowCheckBox, DisplayInToolBoxCheckBox})
        layout->addWidget(check);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(PilotRadioButton, ThreeCharEdit);
    QWidget* order[] = {ThreeCharEdit, TwoCharEdit, DescriptionEdit, OnEdit, OffEdit, CreditEdit, HardEdit,
                        IsDutyCheckBox, IsCarsDutyCheckBox, InsideWindowCheckBox, DisplayInToolBoxCheckBox,
                        Button1, Button2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    for (EditBox* time : {OnEdit, OffEdit, CreditEdit, HardEdit}) {
        time->installEventFilter(this);
        connect(time, &QLineEdit::textChanged, this, [this, time] { EditChange(time); });
    }
    connect(ThreeCharEdit, &QLineEdit::textChanged, this, &TEditAbsenceForm::ThreeCharEditChange);
    connect(TwoCharEdit, &QLineEdit::textChanged, this, &TEditAbsenceForm::TwoCharEditChange);
    connect(DescriptionEdit, &QLineEdit::textChanged, this, &TEditAbsenceForm::DescriptionEditChange);

    setFixedSize(kClientSize);
    move(kPosition);
    FormCreate();
    (PilotRadioButton->isChecked() ? PilotRadioButton : CabinRadioButton)->setFocus();
}

void TEditAbsenceForm::FormCreate() {
    const ::zorozod::AbsenceRow& row = CVToolBoxEdit->absences().row(AbsenceRow);
    (row[kCrewType] == kPilot ? PilotRadioButton : CabinRadioButton)->setChecked(true);
    const std::pair<EditBox*, int> boxes[] = {{ThreeCharEdit, kThreeCharCode}, {TwoCharEdit, kTwoCharCode},
                                              {DescriptionEdit, kDescription},  {OnEdit, kOnTime},
                                              {OffEdit, kOffTime},              {CreditEdit, kCredit},
                                              {HardEdit, kHardTime}};
    for (const auto& [box, column] : boxes) box->setCellText(CellToText(row[static_cast<std::size_t>(column)]));
    // Every box takes the colour its rule gives, whether or not its text changed.
    ThreeCharEditChange();
    TwoCharEditChange();
    DescriptionEditChange();
    for (EditBox* time : {OnEdit, OffEdit, CreditEdit, HardEdit}) EditChange(time);
    const std::pair<QCheckBox*, int> checks[] = {{IsDutyCheckBox, kDuty},
                                                 {IsCarsDutyCheckBox, kCarsDuty},
                                                 {InsideWindowCheckBox, kInsideWindow},
                                                 {DisplayInToolBoxCheckBox, kDisplayInZoroZod}};
    for (const auto& [check, column] : checks) check->setChecked(row[static_cast<std::size_t>(column)] == "Y");
}

bool TEditAbsenceForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* box = qobject_cast<EditBox*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type no character (arrows, Delete, Tab between the boxes) are not filtered.
    if (!box || key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete)
        return false;
    const std::string typed = TextToCell(key->text().left(1));
    return !EditKeyPress(box, typed.empty() ? '\0' : typed[0]);
}

bool TEditAbsenceForm::EditKeyPress(EditBox* box, char key) {
    LastKey = key;
    const TimeBoxKind kind = (box == OnEdit || box == OffEdit) ? TimeBoxKind::OnOff : TimeBoxKind::CreditHard;
    return TimeKeyAccepted(kind, CellOf(box), key);
}

void TEditAbsenceForm::EditChange(EditBox* box) {
    if (TimeTextWantsColon(CellOf(box), LastKey)) {
        box->setCellText(box->text() + QLatin1Char(':'));  // runs this rule again for the new text
        box->setCursorPosition(3);
        return;
    }
    markComplete(box, TimeTextComplete(CellOf(box)));
}

void TEditAbsenceForm::ThreeCharEditChange() { markComplete(ThreeCharEdit, ThreeCharEdit->text().size() >= 3); }
void TEditAbsenceForm::TwoCharEditChange() { markComplete(TwoCharEdit, TwoCharEdit->text().size() >= 2); }
void TEditAbsenceForm::DescriptionEditChange() { markComplete(DescriptionEdit, !DescriptionEdit->text().isEmpty()); }

void TEditAbsenceForm::markComplete(EditBox* box, bool complete) {
    box->setBackground(complete ? palette().color(QPalette::Active, QPalette::Base) : kIncomplete);
}

void TEditAbsenceForm::keyPressEvent(QKeyEvent* event) {
    // Neither button is the default or the cancel button: Enter and Esc press neither.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: event->ignore(); return;
        default: QDialog::keyPressEvent(event);
    }
}

void TEditAbsenceForm::done(int result) {
    if (result == QDialog::Accepted) FormCloseQuery();
    QDialog::done(result);
}

void TEditAbsenceForm::FormCloseQuery() {
    ::zorozod::AbsenceRow row = CVToolBoxEdit->absences().row(AbsenceRow);  // column 12 stays as it is
    row[kCrewType] = std::string(PilotRadioButton->isChecked() ? kPilot : kCabin);
    row[kThreeCharCode] = CellOf(ThreeCharEdit);
    row[kTwoCharCode] = CellOf(TwoCharEdit);
    row[kDescription] = CellOf(DescriptionEdit);
    row[kOnTime] = CellOf(OnEdit);
    row[kOffTime] = CellOf(OffEdit);
    row[kCredit] = CellOf(CreditEdit);
    row[kHardTime] = CellOf(HardEdit);
    row[kDuty] = IsDutyCheckBox->isChecked() ? "Y" : "N";
    row[kCarsDuty] = IsCarsDutyCheckBox->isChecked() ? "Y" : "N";
    row[kInsideWindow] = InsideWindowCheckBox->isChecked() ? "Y" : "N";
    row[kDisplayInZoroZod] = DisplayInToolBoxCheckBox->isChecked() ? "Y" : "N";
    CVToolBoxEdit->gridModel().setRowCells(AbsenceRow, row);
}

}  // namespace zorozod
