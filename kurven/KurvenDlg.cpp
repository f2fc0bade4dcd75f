#include "kurven/KurvenDlg.h"

#include "kurven/CurveColors.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace {

constexpr QStringView DesignText = u"ComboBox1";

// A spin box whose number can be stepped but not typed.
class TStepOnlySpinBox : public QSpinBox {
public:
    explicit TStepOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

} // namespace

TKurvenDlg::TKurvenDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kurvendarstellung"));
    setFixedSize(313, 214);
    CreateGroup();
    CreateWidthControls();
    CreateColorControls();
    CreateComparisonControls();
    CreateButtons();
}

void TKurvenDlg::CreateGroup()
{
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 161);
}

void TKurvenDlg::CreateWidthControls()
{
    Label1 = new QLabel(QStringLiteral("Kurvenbreite in Pixel:"), Bevel1);
    Label1->setGeometry(16, 16, 200, 17);
    SpinEdit1 = new TStepOnlySpinBox(Bevel1);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 4);
    SpinEdit1->setValue(1);
    SpinEdit1->setGeometry(16, 36, 65, 24);
    Label1->setBuddy(SpinEdit1);
}

void TKurvenDlg::CreateColorControls()
{
    Label2 = new QLabel(QStringLiteral("Kurvenfarbe:"), Bevel1);
    Label2->setGeometry(16, 80, 200, 17);
    ComboBox1 = CreateColorList(Label2, "ComboBox1", QRect(16, 100, 145, 24));
    // Until the user picks a colour the list shows its design text, which
    // is how the owner tells that no colour has been chosen yet.
    ComboBox1->setPlaceholderText(DesignText.toString());
    ComboBox1->setCurrentIndex(-1);
}

void TKurvenDlg::CreateComparisonControls()
{
    Label3 = new QLabel(QStringLiteral("Vergleichskurve:"), Bevel1);
    Label3->setGeometry(176, 80, 110, 17);
    ComboBox2 = CreateColorList(Label3, "ComboBox2", QRect(176, 100, 105, 24));
    ComboBox2->setCurrentIndex(RedItem);
}

QComboBox* TKurvenDlg::CreateColorList(QLabel* label, const char* name, const QRect& geometry)
{
    auto* list = new QComboBox(Bevel1);
    list->setObjectName(QLatin1String(name));
    for (const TCurveColor& color : CurveColors)
        list->addItem(color.Text.toString());
    list->setGeometry(geometry);
    label->setBuddy(list);
    return list;
}

void TKurvenDlg::CreateButtons()
{
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(79, 180, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(159, 180, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TKurvenDlg::CurveWidth() const
{
    return SpinEdit1->value();
}

std::optional<int> TKurvenDlg::ChosenColor() const
{
    return CurveColorOfItem(ComboBox1->currentIndex());
}

bool TKurvenDlg::IsDesignText() const
{
    return ComboBox1->currentIndex() < 0;
}

void TKurvenDlg::PresetLime()
{
    ComboBox1->setCurrentIndex(LimeItem);
}

int TKurvenDlg::ComparisonColor() const
{
    return CurveColorOfItem(ComboBox2->currentIndex()).value_or(CurveColors[RedItem].Color);
}

void TKurvenDlg::showEvent(QShowEvent* event)
{
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
