#include "app/TForm1.h"

#include "bereich/BereichDlg.h"
#include "app/DiagramPane.h"
#include "document/Document.h"
#include "export/ExportContext.h"
#include "export/RangeCommand.h"
#include "export/SolarChannels.h"
#include "export/SolarCommands.h"

#include <QLineEdit>

void TForm1::GrafikSpeichernClick()
{
    std::optional<TFirstRun> firstRun;
    if (!Diagram().Runs().empty())
        firstRun = TFirstRun{Diagram().Runs().front().Start, Diagram().Runs().front().Count};
    RunRangeExport({windowSystem_, SaveDialog1, *exportState_}, *BereichDlg, document_->Values(), firstRun);
}

void TForm1::Temperaturen1Click()
{
    RunSolarEvaluation(*solarEvaluation_, TemperatureChannels, Edit2->text(),
                       {windowSystem_, OpenDialog1, *exportState_}, document_->CurrentFileName(), document_->Values());
}

void TForm1::Energie1Click()
{
    RunSolarEvaluation(*solarEvaluation_, EnergyChannels, Edit2->text(), {windowSystem_, OpenDialog1, *exportState_},
                       document_->CurrentFileName(), document_->Values());
}

void TForm1::Speichernunter1Click()
{
    SaveSolarEvaluation(*solarEvaluation_, TemperatureChannels, {windowSystem_, SaveDialog1, *exportState_},
                        document_->CurrentFileName());
}

void TForm1::Energie1speichernunter1Click()
{
    SaveSolarEvaluation(*solarEvaluation_, EnergyChannels, {windowSystem_, SaveDialog1, *exportState_},
                        document_->CurrentFileName());
}
