#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "app/MeanField.h"
#include "app/MenuTable.h"
#include "document/Document.h"
#include "document/SelectionStatistics.h"

void TForm1::UpdateMean()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) {
        mean_->Clear();
        return;
    }
    mean_->Show(SelectionStatistics(document_->Values(), lines, NumberMode()).Mean, NumberMode());
    pane_->Repaint();
}

// Every trigger of the mean goes through here, so none forgets the check.
void TForm1::UpdateMeanIfShown()
{
    if (menus_->IsChecked("Mittelwert1"))
        UpdateMean();
}

void TForm1::Mittelwert1Click()
{
    const bool on = menus_->IsChecked("Mittelwert1");
    mean_->SetVisible(on);
    if (on)
        UpdateMean();
    else
        pane_->Repaint();
}
