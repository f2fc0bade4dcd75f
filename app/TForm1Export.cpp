#include "app/TForm1.h"

#include "bereich/BereichDlg.h"
#include "diagram/TDiagram.h"
#include "export/ExportContext.h"
#include "export/RangeExport.h"
#include "export/SolarChannels.h"
#include "export/SolarEvaluation.h"

#include <QLineEdit>

void TForm1::GrafikSpeichernClick()
{
    std::optional<TFirstRun> firstRun;
    if (!Diagram->Runs().empty())
        firstRun = TFirstRun{Diagram->Runs().front().Start, Diagram->Runs().front().Count};
    RunRangeExport({windowSystem_, SaveDialog1, *ExportState}, *BereichDlg, *ValueBuffer, firstRun);
}

void TForm1::Temperaturen1Click()
{
    SolarEvaluation->Evaluate(TemperatureChannels, Edit2->text(), {windowSystem_, OpenDialog1, *ExportState},
                              CurrentFileName, *ValueBuffer);
}

void TForm1::Energie1Click()
{
    SolarEvaluation->Evaluate(EnergyChannels, Edit2->text(), {windowSystem_, OpenDialog1, *ExportState},
                              CurrentFileName, *ValueBuffer);
}

void TForm1::Speichernunter1Click()
{
    SolarEvaluation->Save(TemperatureChannels, {windowSystem_, SaveDialog1, *ExportState}, CurrentFileName);
}

void TForm1::Energie1speichernunter1Click()
{
    SolarEvaluation->Save(EnergyChannels, {windowSystem_, SaveDialog1, *ExportState}, CurrentFileName);
}
