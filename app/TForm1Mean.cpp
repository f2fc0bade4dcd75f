#include "app/TForm1.h"

#include "controls/PaintBox.h"
#include "document/Document.h"
#include "document/SelectionStatistics.h"
#include "values/GeneralFormat.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void TForm1::UpdateMean()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) {
        Edit3->clear();
        return;
    }
    meanValue_ = SelectionStatistics(document_->Values(), lines, NumberMode()).Mean;
    Edit3->setText(MeanText(meanValue_, NumberMode(), UserDecimalSeparator()));
    PaintBox1->update();
}

// Every trigger of the mean goes through here, so none forgets the check.
void TForm1::UpdateMeanIfShown()
{
    if (Mittelwert1->isChecked())
        UpdateMean();
}

void TForm1::Mittelwert1Click()
{
    const bool on = Mittelwert1->isChecked();
    Edit3->setVisible(on);
    Label3->setVisible(on);
    if (on)
        UpdateMean();
    else
        PaintBox1->update();
}
