#include "app/TForm1.h"

#include "bereich/BereichDlg.h"
#include "controls/ListBox.h"
#include "diagram/EditorFont.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"
#include "surface/Zoom.h"
#include "document/Comparison.h"
#include "document/Document.h"
#include "export/ExportState.h"
#include "export/SolarEvaluation.h"
#include "kurven/KurvenDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QToolButton>
#include <QUndoStack>

namespace {

constexpr int DesignWidth = 650;
constexpr int DesignHeight = 500;

// Puts a control at its place and gives it its name, by which tests find it.
template <typename TWidget>
TWidget* Place(TWidget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

}  // namespace

TForm1::TForm1(TWindowSystem& windowSystem, QWidget* parent)
    : QMainWindow(parent), windowSystem_(windowSystem)
{
    setWindowTitle(QStringLiteral("KORAV-Editor"));
    setFont(EditorFont());
    CreateControls();
    CreateMenus();
    CreateStatusBar();
    FormCreate();
    setMinimumSize(DesignWidth, DesignHeight);
    setGeometry(190, 141, DesignWidth, DesignHeight);
    CreateDialogs();
    setAcceptDrops(true);
}

TForm1::~TForm1()
{
    // The history is deleted with the window's children, after the document
    // and the menu items it reports to; it must report nothing then.
    undoStack_->disconnect(this);
}

void TForm1::FormCreate()
{
    document_ = std::make_unique<TDocument>();
    exportState_ = std::make_unique<TExportState>();
    solarEvaluation_ = std::make_unique<TSolarEvaluation>();
    curveColor_ = 0x00FF00;
    Edit2->setText(QString::number(solarEvaluation_->EvaluationFileCount()));
    diagram_ = std::make_unique<TDiagram>(PaintBox1->size());
    ConnectDocument();
    ConnectUndo();
    ConnectSelection();
}

void TForm1::CreateControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);

    CreateLabels(client);
    ListBox1 = Place(new TListBox(client), "ListBox1", 40, 8, 113, 433);
    listModel_ = new QStringListModel(ListBox1);
    ListBox1->setModel(listModel_);

    Edit1 = Place(new QLineEdit(client), "Edit1", 200, 16, 121, 21);
    // The field holds what a commit reads: never more than ten characters.
    Edit1->setMaxLength(10);
    Edit2 = Place(new QLineEdit(client), "Edit2", 408, 16, 121, 21);
    CreateDiagramPane(client);
    Edit3 = Place(new QLineEdit(client), "Edit3", 200, 120, 121, 21);
    Edit3->setReadOnly(true);
    // A file dragged onto the window opens it; the fields take no dropped text.
    for (QLineEdit* edit : {Edit1, Edit2, Edit3})
        edit->setAcceptDrops(false);
    CreateRadioGroup(client);
    ConnectListHandlers();

    for (QWidget* hidden : std::initializer_list<QWidget*>{Label2, Label3, ListBox1, Edit1, ScrollBox1, Edit3,
                                                           RadioGroup1, Panel1})
        hidden->hide();
    setTabOrder(ListBox1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, RadioGroup1);
}

void TForm1::CreateLabels(QWidget* client)
{
    Label1 = Place(new QLabel(QStringLiteral("Anzahl der Dateien für Solarauswertung"), client), "Label1", 408, 0,
                   187, 13);
    Label2 = Place(new QLabel(QStringLiteral("KORAV ändern"), client), "Label2", 200, 0, 72, 13);
    Label3 = Place(new QLabel(QStringLiteral("Mittelwert"), client), "Label3", 200, 104, 45, 13);
    // Labels size themselves to their text, whatever face the font falls back to.
    for (QLabel* label : {Label1, Label2, Label3})
        label->adjustSize();
}

void TForm1::CreateRadioGroup(QWidget* client)
{
    RadioGroup1 = Place(new QGroupBox(QStringLiteral("Zahlendarstellung"), client), "RadioGroup1", 408, 56, 129, 89);
    numberModeButtons_ = new QButtonGroup(RadioGroup1);
    for (const TNumberMode i : {FixedPoint, IntegerMode, HexMode}) {
        auto* item = new QRadioButton(NumberModeCaption(i), RadioGroup1);
        item->setGeometry(8, 16 + 22 * i, 113, 20);
        numberModeButtons_->addButton(item, i);
    }
    numberModeButtons_->button(FixedPoint)->setChecked(true);
    // Only a change of the representation counts, not a click on the chosen one.
    const std::function<void()> click = Guarded(&TForm1::RadioGroup1Click);
    connect(numberModeButtons_, &QButtonGroup::idToggled, this, [click](int, bool checked) {
        if (checked)
            click();
    });
}

void TForm1::CreateDiagramPane(QWidget* client)
{
    ScrollBox1 = Place(new QScrollArea(client), "ScrollBox1", 200, 184, 401, 257);
    ScrollBox1->setWidgetResizable(false);
    PaintBox1 = new TPaintBox();
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->resize(SurfaceWidth, 241);
    ScrollBox1->setWidget(PaintBox1);
    // The diagram is no control of its own: a press on it or on its scroll
    // bars must not take the focus, or a value typed into the entry field
    // would be committed before the press hands the focus back to it.
    for (QWidget* part : {static_cast<QWidget*>(ScrollBox1), ScrollBox1->viewport(),
                          static_cast<QWidget*>(ScrollBox1->horizontalScrollBar()),
                          static_cast<QWidget*>(ScrollBox1->verticalScrollBar())})
        part->setFocusPolicy(Qt::NoFocus);
    ConnectDiagramHandlers();

    Panel1 = Place(new QFrame(client), "Panel1", 202, 158, 47, 22);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    SpeedButton1 = Place(new QToolButton(Panel1), "SpeedButton1", 0, 0, 23, 22);
    SpeedButton1->setText(QStringLiteral("+"));
    SpeedButton2 = Place(new QToolButton(Panel1), "SpeedButton2", 24, 0, 23, 22);
    SpeedButton2->setText(QStringLiteral("-"));
    connect(SpeedButton1, &QToolButton::clicked, this, Guarded(&TForm1::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, Guarded(&TForm1::SpeedButton2Click));
}

void TForm1::CreateDialogs()
{
    BereichDlg = new TBereichDlg(this);
    BereichDlg->setObjectName(QStringLiteral("BereichDlg"));
    KurvenDlg = new TKurvenDlg(this);
    KurvenDlg->setObjectName(QStringLiteral("KurvenDlg"));
}

const TValueBuffer* TForm1::ComparisonValues() const
{
    return comparison_ ? &comparison_->Values : nullptr;
}

TNumberMode TForm1::NumberMode() const
{
    return static_cast<TNumberMode>(numberModeButtons_->checkedId());
}
