#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"
#include "document/Comparison.h"
#include "document/Document.h"
#include "document/SelectionStatistics.h"
#include "values/GeneralFormat.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

// Hidden at start, so that the window starts as it always has.
void TForm1::CreateStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusPanel2 = new QLabel(StatusBar1);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusBar1->addPermanentWidget(StatusPanel2);
    // One height, shown or not, by which the window grows and shrinks.
    StatusBar1->setFixedHeight(StatusBar1->sizeHint().height());
    StatusBar1->hide();
}

void TForm1::ConnectSelection()
{
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            Guarded(&TForm1::UpdateSelectionItems));
}

void TForm1::UpdateSelectionItems()
{
    Linearverbinden1->setEnabled(document_->Loaded() && ListBox1->selectionModel()->hasSelection());
    UpdateStatusBar();
}

// The window grows by the bar's height, so every pane keeps its size and
// place; a maximised window cannot grow, and its panes make room instead.
void TForm1::Statusleiste1Click()
{
    const bool on = Statusleiste1->isChecked();
    const int change = on ? StatusBar1->height() : -StatusBar1->height();
    // Taken before the minimum grows, which already resizes a window below it.
    const int grown = height() + change;
    StatusBar1->setVisible(on);
    setMinimumHeight(minimumHeight() + change);
    resize(width(), grown);
    FormResize();
    UpdateStatusBar();
}

void TForm1::UpdateStatusBar()
{
    if (!IsShown(StatusBar1))
        return;
    if (!document_->Loaded())
        StatusPanel1->clear();
    else
        StatusPanel1->setText(hoverIndex_ ? HoverStatusText(*hoverIndex_) : SelectionStatusText());
    StatusPanel2->setText(comparison_ ? QStringLiteral("Vergleichskurve: ") + FileNamePart(comparison_->FileName)
                                      : QString());
}

// "Wert 1234: 1,500"
QString TForm1::HoverStatusText(int index) const
{
    return QStringLiteral("Wert %1: ").arg(index) + ValueText(index);
}

// "120 Zeilen: Minimum 0,500, Maximum 1,500, Mittelwert 1,0234"
QString TForm1::SelectionStatusText() const
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty())
        return QStringLiteral("Keine Zeile ausgewählt");
    const TSelectionStatistics statistics = SelectionStatistics(document_->Values(), lines, NumberMode());
    const QChar separator = UserDecimalSeparator();
    return LineCountText(statistics.Count) + QStringLiteral(": Minimum ") +
           FormatValue(statistics.Minimum, NumberMode(), separator) + QStringLiteral(", Maximum ") +
           FormatValue(statistics.Maximum, NumberMode(), separator) + QStringLiteral(", Mittelwert ") +
           MeanText(statistics.Mean, NumberMode(), separator);
}

void TForm1::PaintBox1MouseLeave()
{
    hoverIndex_.reset();
    UpdateStatusBar();
}
