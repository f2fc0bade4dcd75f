#include "bereich/BereichDlg.h"

#include "controls/FixedDialog.h"

#include <algorithm>

namespace {

constexpr int MaxRangeSpan = 1199;
constexpr int HighestFirst = 2500;

void SetUpSpinEdit(TSpinEdit* spinEdit, int maxValue, int value)
{
    spinEdit->SetMinValue(0);
    spinEdit->SetMaxValue(maxValue);
    spinEdit->SetValue(value);
}

} // namespace

TBereichDlg::TBereichDlg(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, QStringLiteral("Bereichsauswahl"), QSize(303, 151));
    CreateLabels();
    CreateSpinEdits();
    CreateButtons();
    SetUpTabOrder();
}

void TBereichDlg::CreateLabels()
{
    Label1->setText(QStringLiteral("Wählen Sie einen Bereich von maximal 1200 Werten aus, die in der Grafikdatei "
                                   "gespeichert werden sollen!"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A wider font than the layout was made for needs a third line; the
    // label grows rather than cutting the text.
    Label1->setGeometry(16, 8, 275, std::max(26, Label1->heightForWidth(275)));
    Label2->setText(QStringLiteral("Erster Wert:"));
    Label2->move(16, 48);
    Label2->adjustSize();
    Label3->setText(QStringLiteral("Letzter Wert:"));
    Label3->move(200, 48);
    Label3->adjustSize();
}

// The handlers are connected after the initial values, so that creating the
// dialog leaves the bounds as laid out.
void TBereichDlg::CreateSpinEdits()
{
    SpinEdit1->setGeometry(16, 64, 81, 22);
    SetUpSpinEdit(SpinEdit1, HighestFirst, 0);
    SpinEdit2->setGeometry(200, 64, 81, 22);
    SetUpSpinEdit(SpinEdit2, MaxRangeSpan, MaxRangeSpan);
    connect(SpinEdit1, &TSpinEdit::Changed, this, &TBereichDlg::SpinEdit1Change);
    connect(SpinEdit2, &TSpinEdit::Changed, this, &TBereichDlg::SpinEdit2Change);
}

// A click on OK or "Abbrechen" closes the dialog; taking the focus with it
// would count as leaving the field and clamp the value the user typed.
void TBereichDlg::CreateButtons()
{
    OKBtn->setFocusPolicy(Qt::TabFocus);
    CancelBtn->setFocusPolicy(Qt::TabFocus);
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(79, 108, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn->setText(QStringLiteral("Abbrechen"));
    CancelBtn->setGeometry(161, 108, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TBereichDlg::SetUpTabOrder()
{
    QWidget::setTabOrder(OKBtn, CancelBtn);
    QWidget::setTabOrder(CancelBtn, SpinEdit1);
    QWidget::setTabOrder(SpinEdit1, SpinEdit2);
    OKBtn->setFocus();
}

void TBereichDlg::showEvent(QShowEvent* event)
{
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void TBereichDlg::SpinEdit1Change()
{
    const int first = SpinEdit1->Value();
    SpinEdit2->SetMaxValue(std::min(first, HighestFirst - MaxRangeSpan) + MaxRangeSpan);
    SpinEdit2->SetMinValue(first);
}

void TBereichDlg::SpinEdit2Change()
{
    const int last = SpinEdit2->Value();
    SpinEdit1->SetMinValue(std::max(last, MaxRangeSpan) - MaxRangeSpan);
    SpinEdit1->SetMaxValue(last);
}
