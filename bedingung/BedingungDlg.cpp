#include "bedingung/BedingungDlg.h"

#include "controls/FixedDialog.h"
#include "values/GeneralFormat.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int FieldWidth = 81;
constexpr int FirstField = 250;
constexpr int SecondField = 363;

} // namespace

TBedingungDlg::TBedingungDlg(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, QStringLiteral("Auswahl nach Bedingung"), QSize(460, 215));
    CreateConditions();
    CreateChoice();
    CreateButtons();
}

void TBedingungDlg::CreateConditions()
{
    conditions_ = new QButtonGroup(this);
    RadioButton1 = CreateCondition(QStringLiteral("Werte &außerhalb von"), 16, TConditionKind::Outside);
    Edit1 = CreateField(RadioButton1, FirstField, 16);
    auto* bis = new QLabel(QStringLiteral("bis"), this);
    bis->move(FirstField + FieldWidth + 10, 19);
    bis->adjustSize();
    Edit2 = CreateField(RadioButton1, SecondField, 16);
    RadioButton2 = CreateCondition(QStringLiteral("&Sprung zum Vorgänger größer als"), 46, TConditionKind::Jump);
    Edit3 = CreateField(RadioButton2, FirstField, 46);
    RadioButton3 = CreateCondition(QStringLiteral("Werte &gleich"), 76, TConditionKind::Equal);
    Edit4 = CreateField(RadioButton3, FirstField, 76);
    RadioButton3->setChecked(true);
}

QRadioButton* TBedingungDlg::CreateCondition(const QString& caption, int top, TConditionKind kind)
{
    auto* button = new QRadioButton(caption, this);
    button->setGeometry(16, top, FirstField - 24, 21);
    conditions_->addButton(button, int(kind));
    return button;
}

// Typing a number chooses its condition.
QLineEdit* TBedingungDlg::CreateField(QRadioButton* condition, int left, int top)
{
    auto* field = new QLineEdit(this);
    field->setGeometry(left, top, FieldWidth, 21);
    // As many characters as the entry field of the main window takes.
    field->setMaxLength(10);
    connect(field, &QLineEdit::textEdited, condition, [condition] { condition->setChecked(true); });
    return field;
}

void TBedingungDlg::CreateChoice()
{
    RadioButton4 = new QRadioButton(QStringLiteral("Auswahl &ersetzen"), this);
    RadioButton4->setGeometry(16, 112, 190, 21);
    RadioButton5 = new QRadioButton(QStringLiteral("zur Auswahl &hinzufügen"), this);
    RadioButton5->setGeometry(FirstField, 112, 190, 21);
    auto* choice = new QButtonGroup(this);
    choice->addButton(RadioButton4);
    choice->addButton(RadioButton5);
    RadioButton4->setChecked(true);
    Label2 = new QLabel(this);
    Label2->setGeometry(16, 140, 428, 28);
    Label2->setWordWrap(true);
}

void TBedingungDlg::CreateButtons()
{
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    OKBtn->setGeometry(149, 176, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TBedingungDlg::OKBtnClick);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(236, 176, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TBedingungDlg::showEvent(QShowEvent* event)
{
    CentreOnScreen(*this);
    // Ready for the numbers of the condition chosen last, typed over.
    FirstFieldOf(Kind())->setFocus();
    FirstFieldOf(Kind())->selectAll();
    QDialog::showEvent(event);
}

TConditionKind TBedingungDlg::Kind() const
{
    return TConditionKind(conditions_->checkedId());
}

QLineEdit* TBedingungDlg::FirstFieldOf(TConditionKind kind) const
{
    switch (kind) {
    case TConditionKind::Outside: return Edit1;
    case TConditionKind::Jump: return Edit3;
    case TConditionKind::Equal: return Edit4;
    }
    return Edit4;
}

QStringList TBedingungDlg::Numbers() const
{
    if (Kind() == TConditionKind::Outside)
        return {Edit1->text(), Edit2->text()};
    return {FirstFieldOf(Kind())->text()};
}

std::optional<TConditionChoice> TBedingungDlg::Execute(const TValueBuffer& values, TNumberMode mode)
{
    values_ = &values;
    mode_ = mode;
    Label2->clear();
    const bool accepted = exec() == QDialog::Accepted;
    values_ = nullptr;
    if (!accepted)
        return std::nullopt;
    return TConditionChoice{std::move(found_), RadioButton5->isChecked()};
}

// Nothing is selected before the condition has found something.
void TBedingungDlg::OKBtnClick()
{
    const TConditionReading reading = ReadCondition(Kind(), Numbers(), mode_, UserDecimalSeparator());
    if (!reading.Error.isEmpty()) {
        Label2->setText(reading.Error + u'.');
        return;
    }
    found_ = MatchingIndices(*values_, reading.Condition);
    if (found_.empty()) {
        Label2->setText(QStringLiteral("Kein Wert erfüllt die Bedingung."));
        return;
    }
    accept();
}
