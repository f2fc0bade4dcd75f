#include "cli/PictureOptions.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "surface/PictureFormat.h"
#include "surface/Zoom.h"

namespace {

struct TModeName {
    const char* Name;
    TNumberMode Mode;
};

constexpr TModeName ModeNames[] = {{"festkomma", FixedPoint}, {"ganzzahl", IntegerMode}, {"hex", HexMode}};

}  // namespace

TNumberMode PictureModeNamed(const QString& name)
{
    for (const TModeName& entry : ModeNames)
        if (name == QLatin1String(entry.Name))
            return entry.Mode;
    throw UsageFailure(QStringLiteral("Die Darstellung '%1' ist unbekannt: festkomma, ganzzahl oder hex").arg(name));
}

int PictureZoomSteps(const QString& text)
{
    bool number = false;
    const int steps = text.toInt(&number);
    if (!number || !ZoomedHeight(steps))
        throw UsageFailure(QStringLiteral("--zoom zählt die Schritte von \"+\": 0 bis %1").arg(ZoomInSteps()));
    return steps;
}

void CheckPictureRequest(const TRequest& request)
{
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bild liest genau eine Wertedatei"));
    if (request.Output != StandardOutputName && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}
