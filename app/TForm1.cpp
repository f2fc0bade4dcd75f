#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "bereich/BereichDlg.h"
#include "diagram/PaintBox.h"
#include "diagram/TDiagram.h"
#include "export/ExportState.h"
#include "export/SolarEvaluation.h"
#include "kurven/KurvenDlg.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QToolButton>

namespace {

constexpr int DesignWidth = 650;
constexpr int DesignHeight = 500;
constexpr int PaintBoxWidth = 2600;

template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

}  // namespace

TForm1::TForm1(TWindowSystem& windowSystem, QWidget* parent)
    : QMainWindow(parent), windowSystem_(windowSystem)
{
    setWindowTitle(QStringLiteral("KORAV-Editor"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    createControls();
    createMenus();
    FormCreate();
    setMinimumSize(DesignWidth, DesignHeight);
    setGeometry(190, 141, DesignWidth, DesignHeight);
    createDialogs();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    ValueBuffer = std::make_unique<TValueBuffer>();
    ExportState = std::make_unique<TExportState>();
    Loaded = false;
    Modified = false;
    SolarEvaluation = std::make_unique<TSolarEvaluation>();
    CurveColor = 0x00FF00;
    Edit2->setText(QString::number(SolarEvaluation->EvaluationFileCount()));
    Diagram = std::make_unique<TDiagram>(*PaintBox1);
}

void TForm1::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);

    Label1 = place(new QLabel(QStringLiteral("Anzahl der Dateien für Solarauswertung"), client), 408, 0, 187, 13);
    Label2 = place(new QLabel(QStringLiteral("KORAV ändern"), client), 200, 0, 72, 13);
    Label3 = place(new QLabel(QStringLiteral("Mittelwert"), client), 200, 104, 45, 13);
    // Labels size themselves to their text, whatever face the font falls back to.
    for (QLabel* label : {Label1, Label2, Label3})
        label->adjustSize();

    ListBox1 = place(new TListBox(client), 40, 8, 113, 433);
    listModel_ = new QStringListModel(ListBox1);
    ListBox1->setModel(listModel_);

    Edit1 = place(new QLineEdit(client), 200, 16, 121, 21);
    // The field holds what a commit reads: never more than ten characters.
    Edit1->setMaxLength(10);
    Edit2 = place(new QLineEdit(client), 408, 16, 121, 21);
    createDiagramPane(client);
    Edit3 = place(new QLineEdit(client), 200, 120, 121, 21);
    Edit3->setReadOnly(true);
    createRadioGroup(client);
    connectListHandlers();

    for (QWidget* hidden : std::initializer_list<QWidget*>{Label2, Label3, ListBox1, Edit1, ScrollBox1, Edit3,
                                                           RadioGroup1, Panel1})
        hidden->hide();
    setTabOrder(ListBox1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, RadioGroup1);
}

void TForm1::createRadioGroup(QWidget* client)
{
    RadioGroup1 = place(new QGroupBox(QStringLiteral("Zahlendarstellung"), client), 408, 56, 129, 89);
    numberModeButtons_ = new QButtonGroup(RadioGroup1);
    const QStringList captions{QStringLiteral("Festkommazahl"), QStringLiteral("Ganzzahl"),
                               QStringLiteral("Hexadezimal")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* item = place(new QRadioButton(captions[i], RadioGroup1), 8, 16 + 22 * i, 113, 20);
        numberModeButtons_->addButton(item, i);
    }
    numberModeButtons_->button(0)->setChecked(true);
    // Only a change of the representation counts, not a click on the chosen one.
    connect(numberModeButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Guard([this] { RadioGroup1Click(); });
    });
}

void TForm1::createDiagramPane(QWidget* client)
{
    ScrollBox1 = place(new QScrollArea(client), 200, 184, 401, 257);
    ScrollBox1->setWidgetResizable(false);
    PaintBox1 = new TPaintBox();
    PaintBox1->resize(PaintBoxWidth, 241);
    ScrollBox1->setWidget(PaintBox1);
    // The diagram is no control of its own: a press on it or on its scroll
    // bars must not take the focus, or a value typed into the entry field
    // would be committed before the press hands the focus back to it.
    for (QWidget* part : {static_cast<QWidget*>(ScrollBox1), ScrollBox1->viewport(),
                          static_cast<QWidget*>(ScrollBox1->horizontalScrollBar()),
                          static_cast<QWidget*>(ScrollBox1->verticalScrollBar())})
        part->setFocusPolicy(Qt::NoFocus);
    connectDiagramHandlers();

    Panel1 = place(new QFrame(client), 202, 158, 47, 22);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    SpeedButton1 = place(new QToolButton(Panel1), 0, 0, 23, 22);
    SpeedButton1->setText(QStringLiteral("+"));
    SpeedButton2 = place(new QToolButton(Panel1), 24, 0, 23, 22);
    SpeedButton2->setText(QStringLiteral("-"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Guard([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Guard([this] { SpeedButton2Click(); }); });
}

void TForm1::createDialogs()
{
    BereichDlg = new TBereichDlg(this);
    KurvenDlg = new TKurvenDlg(this);
}

int TForm1::NumberMode() const
{
    return numberModeButtons_->checkedId();
}
