#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "values/ProgramName.h"
#include "app/ListSelection.h"
#include "app/MeanField.h"
#include "app/MenuTable.h"
#include "app/NumberModeGroup.h"
#include "app/Place.h"
#include "app/StatusBarPane.h"
#include "app/ValueListModel.h"
#include "bedingung/BedingungDlg.h"
#include "bereich/BereichDlg.h"
#include "controls/ListBox.h"
#include "diagram/EditorFont.h"
#include "document/Document.h"
#include "export/ExportState.h"
#include "export/SolarEvaluation.h"
#include "kurven/KurvenDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QUndoStack>

namespace {

constexpr int DesignWidth = 650;
constexpr int DesignHeight = 500;

} // namespace

TForm1::TForm1(TWindowSystem& windowSystem, QWidget* parent)
    : QMainWindow(parent), windowSystem_(windowSystem), document_(std::make_unique<TDocument>())
{
    setWindowTitle(ProgramName);
    setFont(EditorFont());
    CreateControls();
    CreateMenus();
    statusBar_ = std::make_unique<TStatusBarPane>(*this);
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
    exportState_ = std::make_unique<TExportState>();
    solarEvaluation_ = std::make_unique<TSolarEvaluation>();
    Edit2->setText(QString::number(solarEvaluation_->EvaluationFileCount()));
    ConnectDocument();
}

void TForm1::CreateControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);

    CreateList(client);
    CreateEditFields(client);
    CreateDiagramPane(client);
    mean_ = std::make_unique<TMeanField>(client);
    numberModes_ = std::make_unique<TNumberModeGroup>(client, Guarded(&TForm1::RadioGroup1Click));
    ConnectListHandlers();

    setTabOrder(ListBox1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, &mean_->Field());
    setTabOrder(&mean_->Field(), &numberModes_->Box());
}

void TForm1::CreateList(QWidget* client)
{
    ListBox1 = Place(new TListBox(client), "ListBox1", 40, 8, 113, 433);
    listModel_ = new TValueListModel(*document_, ListBox1);
    ListBox1->setModel(listModel_);
    selection_ = new TListSelection(*ListBox1);
    ListBox1->hide();
}

void TForm1::CreateEditFields(QWidget* client)
{
    auto* label1 =
        Place(new QLabel(QStringLiteral("Anzahl der Dateien für Solarauswertung"), client), "Label1", 408, 0, 187, 13);
    Label2 = Place(new QLabel(QStringLiteral("KORAV ändern"), client), "Label2", 200, 0, 72, 13);
    // Labels size themselves to their text, whatever face the font falls back to.
    for (QLabel* label : {label1, Label2})
        label->adjustSize();
    Edit1 = Place(new QLineEdit(client), "Edit1", 200, 16, 121, 21);
    // The field holds what a commit reads: never more than ten characters.
    Edit1->setMaxLength(10);
    Edit2 = Place(new QLineEdit(client), "Edit2", 408, 16, 121, 21);
    Label2->hide();
    Edit1->hide();
}

void TForm1::CreateDiagramPane(QWidget* client)
{
    pane_ = std::make_unique<TDiagramPane>(client);
    ConnectDiagramHandlers();
}

void TForm1::CreateDialogs()
{
    BereichDlg = new TBereichDlg(this);
    BereichDlg->setObjectName(QStringLiteral("BereichDlg"));
    KurvenDlg = new TKurvenDlg(this);
    KurvenDlg->setObjectName(QStringLiteral("KurvenDlg"));
    BedingungDlg = new TBedingungDlg(this);
    BedingungDlg->setObjectName(QStringLiteral("BedingungDlg"));
    // The comparison curve starts in the colour the dialog offers for it.
    curves_.ComparisonColor = KurvenDlg->ComparisonColor();
}

const TDiagram& TForm1::Diagram() const
{
    return pane_->Diagram();
}

double TForm1::MeanValue() const
{
    return mean_->Value();
}

const TValueBuffer* TForm1::ComparisonValues() const
{
    return curves_.Comparison ? &curves_.Comparison->Values : nullptr;
}

TNumberMode TForm1::NumberMode() const
{
    return numberModes_->Mode();
}
